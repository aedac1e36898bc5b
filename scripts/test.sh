#!/usr/bin/env bash
# Sets up, builds and runs every test headless.
#   scripts/test.sh              the tests in build-tests/
#   scripts/test.sh --sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tests"
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWORDROW_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    flags=(-DCMAKE_BUILD_TYPE=Debug -DWORDROW_SANITIZE=ON)
fi
# Warnings are errors in CI; locally they only warn.
if [ -n "${CI:-}" ]; then
    flags+=(-DWORDROW_WERROR=ON)
fi

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
