#!/usr/bin/env bash
# Builds the Debian package twice from the committed HEAD, in two fresh clones
# at different paths, one after the other with a different time zone, locale
# and umask, and checks that the two packages are byte for byte the same.
# On a difference it shows where: diffoscope when installed, otherwise the
# package members and files that differ.
#   packaging/check-reproducible.sh [WORK-DIR]
# WORK-DIR (a new temporary folder by default) keeps both clones and builds
# when given; the temporary one is removed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
head=$(git -C "$root" rev-parse HEAD)
if [ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]; then
    echo "note: uncommitted changes are not part of this check; it builds HEAD $head" >&2
fi
if [ -n "${1:-}" ]; then
    work=$(mkdir -p "$1" && cd "$1" && pwd)
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

# build NAME DIR: clones HEAD into DIR, builds the programs and the package
# there, and links the package as NAME.deb.
build() {
    local name=$1 dir=$2
    rm -rf "$dir"
    git clone -q --no-checkout "$root" "$dir"
    git -C "$dir" checkout -q --detach "$head"
    echo "building $name in $dir"
    (
        cd "$dir"
        # Tests and benchmarks are not part of the package.
        cmake --preset release -DVANTOREL_BUILD_TESTS=OFF -DVANTOREL_BUILD_BENCHMARKS=OFF >/dev/null
        cmake --build --preset release -j2 >/dev/null
        # Packed as `make package` packs, under umask 022.
        cd build/release && umask 022 && cpack -G DEB >/dev/null
    )
    ln -sf "$dir"/build/release/vantorel_*.deb "$work/$name.deb"
}

TZ=UTC LC_ALL=C.UTF-8 build first "$work/a/vantorel"
(umask 0002 && TZ=Pacific/Kiritimati LC_ALL=C build second "$work/second-clone/elsewhere/vantorel")

sha256sum "$work/first.deb" "$work/second.deb" | sed "s|$work/||"
if cmp -s "$work/first.deb" "$work/second.deb"; then
    echo "reproducible: both builds gave the same package, byte for byte"
    exit 0
fi

echo "NOT reproducible: the two packages differ" >&2
if command -v diffoscope >/dev/null; then
    diffoscope "$work/first.deb" "$work/second.deb" >&2 || true
else
    for name in first second; do
        mkdir -p "$work/$name"
        (cd "$work/$name" && ar x "$work/$name.deb" && ar tv "$work/$name.deb" >ar-members &&
            dpkg-deb -R "$work/$name.deb" tree &&
            tar tvf data.tar.* >data-members && tar tvf control.tar.* >control-members)
    done
    diff -r "$work/first" "$work/second" >&2 || true
fi
exit 1
