#!/usr/bin/env bash
# Checks that every tracked C++ source and header is as clang-format, with the
# repository's .clang-format, would write it; lists each place that is not and
# fails. Needs no build. The formatting differs between clang-format releases:
# this is Debian's, installed on first use.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        clang-format
fi
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files as .clang-format writes them"
