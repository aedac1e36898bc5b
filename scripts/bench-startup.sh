#!/usr/bin/env bash
# Measures how Wordrow starts compared with the smallest Qt Widgets program that shows a window
# (bench/startup/MinimalWindow.cpp), both built in Release:
#   - time from just before exec until the program's first top-level window is mapped;
#   - peak memory: the process's VmHWM (peak RSS), read 0.5 s after that window appears.
# Everything runs on one private Xvfb server. Each program starts in a fresh empty directory (the
# game writes its settings and word list there), runs are alternated so that noise hits both
# alike, and one untimed run of each comes first to warm the disk and font caches.
# Prints medians and minimums, and whether the game stays within 1.3x of the minimal window; a
# third program, the minimal window with a menu and a line of text, shows what text alone costs.
#
# Usage: scripts/bench-startup.sh [--runs N]    (default 15 runs of each program)
# The build directory is build-bench/ unless WORDROW_BENCH_BUILD_DIR names another.
set -euo pipefail

runs=15
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=${2:-}; shift $(($# > 1 ? 2 : 1)) ;;
        --runs=*) runs=${1#*=}; shift ;;
        *) echo "usage: $0 [--runs N]" >&2; exit 2 ;;
    esac
done
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "--runs needs a positive whole number" >&2
    exit 2
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${WORDROW_BENCH_BUILD_DIR:-$root/build-bench}")

# Beyond the build: the virtual X server, and xev/xprop to watch it.
bash "$root/scripts/setup.sh" xvfb x11-utils

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWORDROW_BENCH=ON \
      -DBUILD_TESTING=OFF
cmake --build "$build" --target wordrow wordrow_minimal_window
game="$build/src/wordrow"
minimal="$build/bench/startup/wordrow_minimal_window"

tmp=$(mktemp -d)
xvfb_pid='' program_pid=''
cleanup() {
    for pid in "$program_pid" "${events_PID:-}" "$xvfb_pid"; do
        if [ -n "$pid" ]; then
            { kill -KILL "$pid"; wait "$pid"; } 2>/dev/null || true
        fi
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

source "$root/scripts/xvfb.sh"
start_xvfb "$tmp"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/runtime"
unset WAYLAND_DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Without a window manager every top-level window is a child of the root window, so xev on the
# root reports its MapNotify the moment the server maps it. Waiting on that event costs nothing
# while the program starts, whereas polling with xdotool or xwininfo competes with it for the CPU
# and only sees the window at its next poll (xdotool --sync polls every half second).
coproc events { exec stdbuf -oL xev -root -event substructure -event property; }
# Make sure xev is listening before the first program starts: it must report a property change.
for _ in $(seq 50); do
    xprop -root -f _WORDROW_BENCH 8s -set _WORDROW_BENCH ready
    while read -r -t 0.2 -u "${events[0]}" line; do
        [[ $line == *"(_WORDROW_BENCH)"* ]] && break 2
    done
done
[[ ${line:-} == *"(_WORDROW_BENCH)"* ]] || { echo "xev did not start" >&2; exit 1; }

# Starts one program and prints "<milliseconds to window> <peak RSS in KiB>".
measure() {
    local program=$1 dir start end line window waited=0
    shift
    dir=$(mktemp -d "$tmp/run.XXXXXX")
    # Clock readings in microseconds, taken without forking so they add nothing to the interval.
    start=${EPOCHREALTIME/[.,]/}
    (cd "$dir" && exec "$program" "$@" >"$tmp/program.log" 2>&1) &
    program_pid=$!
    while :; do
        if ! read -r -t 1 -u "${events[0]}" line; then
            ((++waited < 30)) && kill -0 "$program_pid" 2>/dev/null && continue
            echo "$program showed no window within 30 s:" >&2
            cat "$tmp/program.log" >&2
            exit 1
        fi
        [[ $line == MapNotify* ]] || continue
        end=${EPOCHREALTIME/[.,]/}
        # The next line names the mapped window; menus and tooltips (override YES) don't count.
        read -r -u "${events[0]}" line
        [[ $line =~ window\ (0x[0-9a-f]+),\ override\ NO ]] || continue
        window=${BASH_REMATCH[1]}
        [[ $(xprop -id "$window" _NET_WM_PID) == *" = $program_pid" ]] && break
    done
    sleep 0.5
    echo "$(((end - start) / 1000)).$(((end - start) % 1000 / 100))" \
         "$(awk '/^VmHWM:/ { print $2 }' "/proc/$program_pid/status")"
    { kill -KILL "$program_pid"; wait "$program_pid"; } 2>/dev/null || true
    program_pid=''
    rm -rf "$dir"
}

measure "$game" >/dev/null
measure "$minimal" >/dev/null
measure "$minimal" --text >/dev/null
: >"$tmp/game" && : >"$tmp/minimal" && : >"$tmp/text"
for ((i = 1; i <= runs; i++)); do
    measure "$game" >>"$tmp/game"
    measure "$minimal" >>"$tmp/minimal"
    measure "$minimal" --text >>"$tmp/text"
done

# Column 1 holds milliseconds, column 2 KiB; prints "median min" of one column of one file.
stats() {
    sort -n -k "$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1] }'
}
awk -v runs="$runs" -v gt="$(stats "$tmp/game" 1)" -v mt="$(stats "$tmp/minimal" 1)" \
    -v gm="$(stats "$tmp/game" 2)" -v mm="$(stats "$tmp/minimal" 2)" \
    -v tt="$(stats "$tmp/text" 1)" -v tm="$(stats "$tmp/text" 2)" 'BEGIN {
    split(gt, g_t, " "); split(mt, m_t, " "); split(gm, g_m, " "); split(mm, m_m, " ")
    split(tt, t_t, " "); split(tm, t_m, " ")
    printf "\nStart-up, %d runs each   time to window (ms)    peak RSS (MiB)\n", runs
    printf "%-24s %9s %9s %9s %9s\n", "", "median", "min", "median", "min"
    row = "%-24s %9.1f %9.1f %9.1f %9.1f\n"
    printf row, "wordrow", g_t[1], g_t[2], g_m[1] / 1024, g_m[2] / 1024
    printf row, "minimal window", m_t[1], m_t[2], m_m[1] / 1024, m_m[2] / 1024
    printf row, "  with menu and text", t_t[1], t_t[2], t_m[1] / 1024, t_m[2] / 1024
    rt = g_t[1] / m_t[1]; rm = g_m[1] / m_m[1]
    printf "time:   wordrow/minimal = %.2f -> target <= 1.3 %s\n", rt, rt <= 1.3 ? "MET" : "NOT MET"
    printf "memory: wordrow/minimal = %.2f -> target <= 1.3 %s\n", rm, rm <= 1.3 ? "MET" : "NOT MET"
    printf "against the window with menu and text: time %.2f, memory %.2f\n", \
        g_t[1] / t_t[1], g_m[1] / t_m[1]
}'
