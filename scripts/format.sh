#!/usr/bin/env bash
# Formats every C++ source with the repository's .clang-format; --check only
# lists the files that are not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    status=0
    for f in $files; do
        clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || { echo "not formatted: $f"; status=1; }
    done
    exit $status
fi
clang-format -i $files
