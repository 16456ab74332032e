#!/usr/bin/env bash
# Checks the Debian package: first lintian, which fails on any error or
# warning, then the package as a user gets it: installs it, validates the
# installed desktop entries and metainfo, reads each installed program file's
# version record without running it, starts each program from /usr/games on a
# virtual display (its window must carry the 32 x 32 icon; a screenshot is
# saved), and removes the package again, also when a check fails.
#   packaging/check-deb.sh PATH-TO-DEB [SCREENSHOT-DIR]
set -euo pipefail

deb=$(realpath "${1:?usage: check-deb.sh PATH-TO-DEB [SCREENSHOT-DIR]}")
out=${2:-$(dirname "$deb")/installed}
here=$(cd "$(dirname "$0")" && pwd)
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

app=""
remove() {
    [ -z "$app" ] || kill "$app" 2>/dev/null || true
    stop_xvfb
    "${sudo[@]}" apt-get remove -y -qq vantorel >/dev/null
    if dpkg-query -W -f='${Status}' vantorel 2>/dev/null | grep -q 'install ok installed'; then
        echo "FAIL: vantorel is still installed" >&2
        exit 1
    fi
    echo "removed: vantorel"
}
# shellcheck source=../scripts/xvfb.sh
source "$here/../scripts/xvfb.sh"
lintian --fail-on error,warning "$deb"
echo "lintian: no error or warning"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
trap remove EXIT
echo "installed: $(dpkg-query -W -f='${Package} ${Version}' vantorel)"

desktop-file-validate /usr/share/applications/example.drelmoth.*.desktop
# The maker's address is a reserved .example name that never resolves, so the
# check of its reachability is left out.
appstreamcli validate --no-net /usr/share/metainfo/example.drelmoth.vantorel.metainfo.xml

declare -A version=([corvane2]=2.00 [corvane]=1.00 [pallix]=1.00 [pallixb]=1.00)
declare -A product=([corvane2]=Vantorel [corvane]=Vantorel [pallix]=pallix [pallixb]=pallix)
start_xvfb
mkdir -p "$out"
for program in corvane2 corvane pallix pallixb; do
    file=/usr/games/$program
    record=$(strings "$file")
    for line in "CompanyName=Quabrix International" "ProductName=${product[$program]}" \
        "FileVersion=${version[$program]}" "ProductVersion=${version[$program]}"; do
        grep -qx "$line" <<<"$record" || { echo "FAIL: $file lacks $line" >&2; exit 1; }
    done
    # Started by its path: a PATH without /usr/games (root's) finds it too.
    grep -qx "Exec=$file" "/usr/share/applications/example.drelmoth.$program.desktop"

    "$file" 2>/dev/null &
    app=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantorel:' | sed -n 1p)
    # _NET_WM_ICON starts with the width and height of the first image.
    icon=$(xprop -id "$window" -notype 32c _NET_WM_ICON)
    [[ "${icon:0:40}" == *"= 32, 32,"* ]] || { echo "FAIL: $program has no 32 x 32 window icon" >&2; exit 1; }
    # The desktop matches the window to its entry by StartupWMClass.
    [[ "$(xprop -id "$window" WM_CLASS)" == *"\"$program\""* ]] ||
        { echo "FAIL: $program's window class does not name it" >&2; exit 1; }
    sleep 1
    import -window "$window" "$out/$program.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=""
    echo "ok: $file ${version[$program]}, window with icon, $out/$program.png"
done
