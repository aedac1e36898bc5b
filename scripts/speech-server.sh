# Sourced by the scripts whose programs speak. start_speech_server makes sure speech-dispatcher
# runs and speaks through the sound server now in use: it starts one that never shuts down for
# want of clients, and waits (20 s at most) until a word can be said. It sets speech_pid to the
# server it started, empty when one was running already; stop_speech_server stops that one.
start_speech_server() {
    speech_pid=''
    command -v speech-dispatcher >/dev/null && command -v spd-say >/dev/null || return 0
    # A server already running makes this one exit at once, and that one is used.
    speech-dispatcher --run-single --timeout 0 >/dev/null 2>&1 &
    speech_pid=$!
    local deadline=$((SECONDS + 20))
    while ((SECONDS < deadline)); do
        # Said at no volume: a developer's speakers stay quiet.
        timeout 5 spd-say --volume -100 --wait ready >/dev/null 2>&1 && break
        sleep 0.5
    done
    if ! kill -0 "$speech_pid" 2>/dev/null; then
        wait "$speech_pid" 2>/dev/null || true
        speech_pid=''
    fi
}

stop_speech_server() {
    if [ -n "${speech_pid:-}" ]; then
        { kill "$speech_pid"; wait "$speech_pid"; } 2>/dev/null || true
        speech_pid=''
    fi
}
