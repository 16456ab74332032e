#!/usr/bin/env bash
# Builds the conversions fuzzer with clang (libFuzzer, ASan, UBSan) and runs it
# for FUZZ_SECONDS on a working copy of the committed corpus. Inputs that grow
# coverage stay in build/fuzz/corpus; copy the good ones into fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-120}
out=build/fuzz
mkdir -p "$out/corpus" "$out/findings"
# clang is needed here only, so the test set-up does not install it.
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        clang libclang-rt-14-dev
fi

clang++ -std=c++20 -O2 -g -I. \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    fuzz/fuzz_conversions.cpp fuzz/conversions_check.cpp core/conversions.cpp -licuuc \
    -o "$out/fuzz_conversions"

cp -n fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
echo "Fuzzing the conversions for $seconds s..."
"$out/fuzz_conversions" -max_total_time="$seconds" -max_len=512 \
    -dict=fuzz/conversions.dict -artifact_prefix="$out/findings/" -print_final_stats=1 \
    "$out/corpus" 2>&1 | tee "$out/last-run.log" | grep -E '^(#[0-9]+ +DONE|stat::|==|SUMMARY|conversion mismatch)' || true
status=${PIPESTATUS[0]}
findings=$(find "$out/findings" -type f | wc -l)
echo "Findings kept in $out/findings: $findings (log: $out/last-run.log)"
exit "$status"
