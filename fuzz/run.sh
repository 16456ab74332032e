#!/usr/bin/env bash
# Builds the two fuzzers with clang (libFuzzer, ASan, UBSan): the conversions,
# over Latin-1 input, and a box's cleaning, over UTF-16 input. Runs each for
# FUZZ_SECONDS on a working copy of its committed corpus. Inputs that grow
# coverage stay in build/fuzz/corpus/NAME; merge the good ones into
# fuzz/corpus/NAME (-merge=1).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-120}
out=build/fuzz
# clang is needed here only, so the test set-up does not install it.
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        clang libclang-rt-14-dev
fi

# fuzz NAME CHECK MAX-LEN [LIBFUZZER OPTION...]: builds the fuzzer of one
# check of fuzz/checks.h and runs it on the corpus named NAME.
status=0
fuzz() {
    local name=$1 check=$2 max_len=$3
    shift 3
    mkdir -p "$out/corpus/$name" "$out/findings/$name"
    clang++ -std=c++20 -O2 -g -I. \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -DFUZZ_CHECK="$check" fuzz/fuzz_target.cpp fuzz/*_check.cpp core/box_text.cpp core/conversions.cpp -licuuc \
        -o "$out/fuzz_$name"
    cp -n "fuzz/corpus/$name"/* "$out/corpus/$name/" 2>/dev/null || true
    echo "Fuzzing $name for $seconds s..."
    "$out/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" "$@" \
        -artifact_prefix="$out/findings/$name/" -print_final_stats=1 "$out/corpus/$name" 2>&1 |
        tee "$out/$name.log" | grep -E '^(#[0-9]+ +DONE|stat::|==|SUMMARY|check failed)' || true
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    echo "Findings kept in $out/findings/$name: $(find "$out/findings/$name" -type f | wc -l) (log: $out/$name.log)"
}
fuzz conversions checkConversions 512 -dict=fuzz/conversions.dict
fuzz box_text checkBoxText 512
exit "$status"
