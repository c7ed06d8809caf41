#!/usr/bin/env bash
# The clone part of bench/run.sh alone: a full clone write and read (and the
# quick read) through mtz4ctl against mtz4sim --pace.
#
# Usage: bench/clone_bench.sh [--runs N] [BUILD_DIR]
exec "$(dirname "$0")/run.sh" --only clone "$@"
