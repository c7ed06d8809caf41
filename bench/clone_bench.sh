#!/usr/bin/env bash
# Clone benchmark: a full clone write and a full clone read (1300 used memory
# entries) through mtz4ctl against mtz4sim sending its replies at the real
# line rate of 38400 bit/s. For each it prints the elapsed time, the time the
# simulator's paced bytes alone take on the line, their ratio, and the
# client's processor time (user + system) with its share of the elapsed time.
#
# Usage: bench/clone_bench.sh [BUILD_DIR]   (default: build-bench)
# Builds what it needs (mtz4ctl, mtz4sim, make_bench_file) in BUILD_DIR.
#
# The simulator starts in clone mode: a receiver outside clone mode first
# costs the clone-mode probe's three 500 ms time-outs (1.5 s), a fixed cost
# of the protocol rather than of the transfer measured here.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target mtz4ctl mtz4sim make_bench_file >/dev/null

work=$(mktemp -d)
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

"$build/bench/make_bench_file" "$work/bench.MZ4"

# run_phase NAME SIM_ARGS... -- CTL_ARGS...
run_phase() {
    local name=$1
    shift
    local sim_args=() ctl_args=()
    while [ "$1" != "--" ]; do sim_args+=("$1"); shift; done
    shift
    ctl_args=("$@")

    "$build/tools/sim/mtz4sim" --quiet --pace --clone-mode --link "$work/sim" \
        --stats "$work/$name.json" "${sim_args[@]}" >"$work/sim.out" &
    sim_pid=$!
    for _ in $(seq 100); do [ -e "$work/sim" ] && break; sleep 0.05; done

    local TIMEFORMAT='%R %U %S'
    { time "$build/src/mtz4ctl" "${ctl_args[@]}" --device "$work/sim" --model MT-Z4J \
        --quiet 2>"$work/$name.err"; } 2>"$work/$name.time" ||
        { cat "$work/$name.err" >&2; echo "clone_bench: $name failed" >&2; exit 1; }

    kill -INT "$sim_pid"
    wait "$sim_pid" || true
    sim_pid=
    rm -f "$work/sim"

    python3 - "$name" "$work/$name.time" "$work/$name.json" <<'PY'
import json, sys
name, time_file, stats_file = sys.argv[1:]
real, user, system = (float(x) for x in open(time_file).read().split())
paced = json.load(open(stats_file))["paced_time_s"]
cpu = user + system
print(f"{name:5}  elapsed {real:7.3f} s  paced bytes {paced:7.3f} s  "
      f"ratio {real / paced:6.4f}  client CPU {cpu:6.3f} s ({100 * cpu / real:4.2f} % of elapsed)")
PY
}

echo "clone benchmark: 1300 used entries, replies paced at 38400 bit/s"
run_phase write -- write "$work/bench.MZ4"
run_phase read --image "$work/bench.MZ4" -- read -o "$work/read.MZ4"
