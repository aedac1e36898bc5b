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

bash "$root/scripts/setup.sh" --for-tests
cmake -S "$root" -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
# The audio tests play through a real sound server: without one on the machine (as in CI), a
# PulseAudio server of our own with a null sink stands in for the speakers.
if ! pactl info >/dev/null 2>&1; then
    # As root and without a desktop session, the server needs a home and a runtime folder of
    # its own. Without norewinds a null sink holds back the end of a sound.
    HOME=$(mktemp -d)
    XDG_RUNTIME_DIR=$(mktemp -d)
    export HOME XDG_RUNTIME_DIR
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 --disallow-exit --log-target=stderr \
        --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=wordrow_null norewinds=1" 2>/dev/null || true
    own_pulse=1
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl set-default-sink wordrow_null 2>/dev/null || true
fi
# The speech tests speak through speech-dispatcher into that server.
source "$root/scripts/speech-server.sh"
start_speech_server
# The class record's tests send to a PostgreSQL server of our own, on a Unix socket only.
source "$root/scripts/class-server.sh"
trap 'stop_class_server; stop_speech_server; [ -z "${own_pulse:-}" ] || pulseaudio --kill 2>/dev/null || true' EXIT
start_class_server
# The speech client library reads the engine's voice list with strstr over the whole reply, which
# the sanitizer's checked strstr makes take minutes instead of milliseconds: left unchecked.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_strstr=0
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
