#!/usr/bin/env bash
# Builds the fuzz targets (libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, clang 14) and runs each for a while, one after
# the other.
#
#   scripts/fuzz.sh [--ci] [--seconds N] [--timeout S] [TARGET...]
#
# Without TARGET every target in fuzz/ runs, N seconds each (600 unless
# given; --ci: 30, for continuous integration). Each corpus lives in
# build-fuzz/corpus/TARGET and grows from run to run; it is seeded anew each
# time from what the program itself writes (clone files, encoded lines,
# commands). fuzz/regressions/TARGET/*, inputs that once were findings, run
# first. A finding (crash, sanitizer report, broken invariant, time-out) is
# kept in build-fuzz/findings/TARGET and makes the script fail. Every run
# adds a line to build-fuzz/fuzz-runs.tsv (target, executions, seconds,
# result); the summary at the end adds them up per target.
# An input that takes longer than S seconds (10 unless given) counts as a
# finding; on a shared machine under nice -n 19, where the fuzzer may wait
# long for the processor, give more. fuzz/options/TARGET, when present, holds
# more libFuzzer flags for that target (a -max_len where short inputs reach
# every path faster). FUZZ_BUILD_DIR names another build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
timeout=10
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --ci) seconds=30 ;;
    --seconds) seconds=$2; shift ;;
    --seconds=*) seconds=${1#--seconds=} ;;
    --timeout) timeout=$2; shift ;;
    --timeout=*) timeout=${1#--timeout=} ;;
    -h|--help) sed -n '2,21p' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
    esac
    shift
done

scripts/install-deps.sh clang-14 libclang-rt-14-dev
dir=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMTZ4_FUZZ=ON \
      -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$dir" --target mtz4fuzz

if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name%_fuzz}")
    done
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
tsv="$dir/fuzz-runs.tsv"
failed=()
for target in "${targets[@]}"; do
    program="$dir/fuzz/${target}_fuzz"
    corpus="$dir/corpus/$target"
    findings="$dir/findings/$target"
    log="$dir/logs/$target.log"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    MTZ4_FUZZ_WRITE_SEEDS="$corpus" "$program"
    regressions=()
    if [ -d "fuzz/regressions/$target" ]; then
        mapfile -t regressions < <(find "fuzz/regressions/$target" -type f)
    fi
    if [ ${#regressions[@]} -gt 0 ] && ! "$program" "${regressions[@]}" >"$log" 2>&1; then
        echo "fuzz $target: a regression input fails; see $log" >&2
        failed+=("$target")
        continue
    fi
    options=()
    if [ -f "fuzz/options/$target" ]; then
        read -r -a options <"fuzz/options/$target"
    fi
    result=ok
    "$program" "${options[@]}" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || result=finding
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
    printf '%s\t%s\t%s\t%s\n' "$target" "${runs:-0}" "${time:-$seconds}" "$result" >>"$tsv"
    echo "fuzz $target: ${runs:-0} executions, $result"
    if [ "$result" != ok ]; then
        echo "fuzz $target: see $log and $findings" >&2
        tail -n 30 "$log" >&2
        failed+=("$target")
    fi
done

echo "executions so far (all runs in $tsv):"
awk -F'\t' '{runs[$1] += $2; time[$1] += $3} END {for (t in runs) printf "  %-16s %12d executions in %6d s\n", t, runs[t], time[t]}' "$tsv" | sort
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]}" >&2
    exit 1
fi
