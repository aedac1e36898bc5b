#!/usr/bin/env bash
# Times how long after a key typed in the main window the slot it fills is repainted: over a
# thousand keys on a real MainWindow under a private Xvfb server, printing the median and the 99th
# percentile (target: within one 60 Hz frame).
# The build directory is build-bench/ unless WORDROW_BENCH_BUILD_DIR names another.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${WORDROW_BENCH_BUILD_DIR:-$root/build-bench}")
bash "$root/scripts/setup.sh" xvfb
# The bench builds the main window on the tests' stand-in services, so it needs the tests' build.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWORDROW_BENCH=ON \
      -DBUILD_TESTING=ON
cmake --build "$build" --target wordrow_key_to_repaint

tmp=$(mktemp -d)
xvfb_pid=''
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        { kill "$xvfb_pid"; wait "$xvfb_pid"; } 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

source "$root/scripts/xvfb.sh"
start_xvfb "$tmp"
mkdir -m 700 "$tmp/runtime"
unset WAYLAND_DISPLAY
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/runtime" \
    "$build/bench/keys/wordrow_key_to_repaint"
