#!/usr/bin/env bash
# Runs every benchmark and prints a table of the figures with their targets:
# the clone write and read through mtz4ctl against mtz4sim --pace (the read
# also behind a simulated USB adapter, and the quick read), the core with
# Google Benchmark, the main window offscreen. Installs what it needs (Google
# Benchmark among it) and builds the programs in BUILD_DIR (default
# build-bench) first. Takes some fifteen minutes with the default three runs:
# a full clone write alone is a minute on the line.
#
# Usage: bench/run.sh [--runs N] [--only clone,core,window] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev

build=build-bench
options=()
while [ $# -gt 0 ]; do
    case "$1" in
    --runs | --only)
        options+=("$1" "$2")
        shift 2
        ;;
    *)
        build=$1
        shift
        ;;
    esac
done

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target mtz4ctl mtz4sim make_bench_file window_bench core_bench >/dev/null
exec python3 bench/bench.py "$build" "${options[@]}"
