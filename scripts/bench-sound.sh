#!/usr/bin/env bash
# Times how long after the click that ends a round its sound reaches the speakers: 20 rounds
# through the real player, heard on the audio server's monitor. Without an audio server on the
# machine it starts a PulseAudio server of its own with a null sink in place of the speakers.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
bash "$root/scripts/setup.sh" --for-tests
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWORDROW_BENCH=ON \
      -DBUILD_TESTING=ON
cmake --build "$build" --target wordrow_round_end_latency

if ! pactl info >/dev/null 2>&1; then
    HOME=$(mktemp -d)
    XDG_RUNTIME_DIR=$(mktemp -d)
    export HOME XDG_RUNTIME_DIR
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 --disallow-exit \
        --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=wordrow_null norewinds=1" 2>/dev/null
    own_pulse=1
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
fi
source "$root/scripts/speech-server.sh"
start_speech_server
trap 'stop_speech_server; [ -z "${own_pulse:-}" ] || pulseaudio --kill 2>/dev/null || true' EXIT
"$build/bench/sound/wordrow_round_end_latency"
