#!/usr/bin/env bash
# Installs the dependencies, checks that every C++ source is formatted
# (scripts/format.sh --check), builds everything and runs every test: once in a
# normal build, then the Debian package built from it (installed, tried and
# removed again), then once more with AddressSanitizer and
# UndefinedBehaviorSanitizer, then every fuzz target for 30 seconds
# (scripts/fuzz.sh --ci), failing on any finding. After each test run it
# prints the fault matrix (tests/faults/FaultMatrix_test.cpp). --quick skips
# the package, the sanitizer build and the fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/format.sh --check
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMTZ4_WERROR=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$jobs"
# The fault matrix of the run: every file written x every way a write fails.
printf '\nFault matrix (file x failure -> held):\n\n'
cat build/fault-matrix.md

if [ "${1:-}" != "--quick" ]; then
    scripts/package.sh build
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMTZ4_SANITIZE=ON \
          -DMTZ4_WERROR=ON >/dev/null
    cmake --build build-sanitize
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    printf '\nFault matrix under the sanitizers (file x failure -> held):\n\n'
    cat build-sanitize/fault-matrix.md

    scripts/fuzz.sh --ci
fi
