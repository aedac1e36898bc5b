# Sourced by the scripts that run the game on a private X server.
# start_xvfb DIR: starts Xvfb with its files in DIR, sets xvfb_pid and exports DISPLAY.
start_xvfb() {
    # -displayfd makes Xvfb pick a free display itself and report it only once it accepts clients.
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { cat "$1/xvfb.log" >&2; exit 1; }
        sleep 0.1
    done
    [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$1/display")"
}
