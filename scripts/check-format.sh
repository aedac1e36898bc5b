#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what .clang-format makes of it, so that a
# statement left at the wrong depth by a merge shows up in review and in CI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh clang-format
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "check-format: every C++ file is formatted"
