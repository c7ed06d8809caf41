#!/usr/bin/env bash
# Installs the dependencies, builds the program and starts it.
# Any arguments are passed to the program (for example a clone file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/src/mtz4clone "$@"
