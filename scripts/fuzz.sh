#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on) in build-fuzz and runs them (all, or the TARGETs named: assembler config patch
# pipeline_rom pipeline_resdata) one after the other, each for SECONDS (default 60) on one
# core, from its committed corpus in fuzz/corpus/<target>/ and the demo files, growing a
# working corpus in build-fuzz/corpus/<target>/. Prints the executions, executions per
# second and findings of each target; a finding's input is kept in
# build-fuzz/findings/<target>/ (add it to fuzz/corpus/<target>/ with its fix). Exits
# non-zero when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(assembler config patch pipeline_rom pipeline_resdata)

bash scripts/install-deps.sh --fuzz
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DORVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2

# Seeds that are made, not committed: the demo resource data and configuration as they are
# in the source tree, and the demo ROMs the build wrote, each behind its game byte.
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{assembler,config,pipeline_rom,pipeline_resdata,patch}
cp data/demo/orvane.dat "$seeds/assembler/"
cp data/demo/orvane.cfg "$seeds/config/"
game=0
for g in mm3 mm4 mm5; do
    { printf "\\x0$game"; cat "build-fuzz/bin/$g-demo.nes"; } >"$seeds/pipeline_rom/$g-demo"
    game=$((game + 1))
done

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
status=0
summary=()
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    log=build-fuzz/fuzz-$target.log
    touch "$log.start" # findings newer than this are this run's
    # The ROM target's inputs are whole images; the others stay small.
    maxlen=()
    [ "$target" = pipeline_rom ] && maxlen=(-max_len=600000)
    echo "== $target: ${seconds}s"
    set +e
    "build-fuzz/fuzz/fuzz_$target" "$work" "fuzz/corpus/$target" "$seeds/$target" \
        -max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$findings/" "${maxlen[@]}" >"$log" 2>&1
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    found=$(find "$findings" -type f -newer "$log.start" | wc -l)
    [ "$found" -eq 0 ] || status=1
    summary+=("$(printf '%-18s %12s executions %8s exec/s %3s findings' "$target" "${runs:-?}" "${rate:-?}" "$found")")
    tail -n 3 "$log"
done
echo
printf '%s\n' "${summary[@]}"
exit $status
