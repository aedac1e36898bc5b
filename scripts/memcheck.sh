#!/usr/bin/env bash
# Runs the real game under valgrind's memcheck in an Xvfb display: a first start with the title
# screen, a round won, a round lost and a quit through the Exit box. Fails on any leak or memory
# error with a frame in our code (see scripts/memcheck_report.py). Everything runs some 20 to 50
# times slower under valgrind, so each step waits for the game to show it has happened.
#   MEMCHECK_STEP_TIMEOUT  seconds one step may take (default 300)
#   MEMCHECK_KEEP          a folder to copy the report, the logs and the screenshots into
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-memcheck"
binary="$build/src/wordrow"
display=:79
stepTimeout=${MEMCHECK_STEP_TIMEOUT:-300}
started=$(date +%s)

# python3 reads the report; a bare Debian image lacks it.
bash "$root/scripts/setup.sh" valgrind xvfb xdotool imagemagick x11-utils python3
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF)
if [ -n "${CI:-}" ]; then
    flags+=(-DWORDROW_WERROR=ON)
fi
cmake -S "$root" -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build" --target wordrow
built=$(date +%s)

home=$(mktemp -d)
work=$(mktemp -d)
xvfb=
game=
cleanUp() {
    if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then
        kill -KILL "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    if [ -n "${MEMCHECK_KEEP:-}" ]; then
        mkdir -p "$MEMCHECK_KEEP"
        cp -r "$work/." "$MEMCHECK_KEEP/" 2>/dev/null || true
    fi
    rm -rf "$home" "$work"
}
trap cleanUp EXIT
trap 'exit 130' INT TERM

fail() {
    echo "memcheck: $*" >&2
    if [ -s "$work/game.log" ]; then
        echo "--- the game's output, last lines:" >&2
        tail -n 20 "$work/game.log" >&2
    fi
    exit 1
}

# Another server on our display would take our windows' place unnoticed.
if [ -e "/tmp/.X${display#:}-lock" ]; then
    fail "display $display is in use (/tmp/.X${display#:}-lock); stop its server first"
fi
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not answer on $display"

# Waits until the command succeeds, for at most one step's time.
waitUntil() {
    local what=$1
    shift
    local deadline=$(($(date +%s) + stepTimeout))
    until "$@"; do
        gameRunning || fail "the game ended while waiting until $what"
        [ "$(date +%s)" -lt "$deadline" ] ||
            fail "timed out after ${stepTimeout}s waiting until $what"
        sleep 1
    done
}
gameRunning() {
    kill -0 "$game" 2>/dev/null
}
findWindow() {
    local found
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$found" ] && echo "$found"
}
windowGone() {
    [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]
}
# Gives a window the keyboard focus and presses keys in it. Focus moves at once in the X server,
# however slow the game: a wait longer than a minute means the window is gone.
pressIn() {
    local window=$1
    shift
    timeout 60 xdotool windowfocus --sync "$window" ||
        fail "could not give window $window the focus to press $*"
    xdotool key "$@"
}
# Waits for a window by its title and prints its id.
awaitWindow() {
    local what=$1 title=$2
    waitUntil "$what appears" findWindow "$title" >/dev/null
    findWindow "$title"
}

# Named by the time taken, so they sort in order (shots are taken in subshells).
shot() {
    local file
    file="$work/shot-$(date +%s%N)-$1.png"
    import -window "$mainWindow" "$file"
    echo "$file"
}
# compare exits with 1 for images that differ, 2 when it cannot compare them.
differs() {
    local now status=0
    now=$(shot "$2")
    compare -metric AE "$1" "$now" null: 2>/dev/null || status=$?
    [ "$status" -eq 1 ]
}

# The round's word, the only one in the list: every round draws it. The title screen of a first
# start still shows, since the settings file is missing.
printf '"WORDROW"\r\n' >"$home/wordrow.wdr"

# Without a session bus, D-Bus forks to start one (dbus-launch); the forked child's own
# report would land in the same XML file and leave it unreadable.
(cd "$home" && exec valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite,indirect,possible \
    --errors-for-leak-kinds=definite,indirect,possible \
    --num-callers=40 --suppressions="$root/scripts/memcheck.supp" \
    --child-silent-after-fork=yes \
    --xml=yes --xml-file="$work/memcheck.xml" --log-file="$work/valgrind.log" \
    "$binary") >"$work/game.log" 2>&1 &
game=$!

echo "Waiting for the title screen under valgrind..."
splash=$(awaitWindow "the title screen" "^Wordrow by Quilbyte$")
[ -f "$home/wordrow.ini" ] || fail "a first start wrote no wordrow.ini"
grep -q WORDROW "$home/wordrow.wdr" || fail "the first start replaced the existing word list"
# The OK button is the default: Return closes the title screen.
pressIn "$splash" Return
waitUntil "the title screen closes" windowGone "^Wordrow by Quilbyte$"
mainWindow=$(awaitWindow "the main window" "^Wordrow - by Quilbyte:")
echo "Main window up after $(($(date +%s) - built))s"

# Letter buttons by position: the row sits 627 twips (about 42 pixels) above the bottom edge.
letterCentre() {
    local index=$(($(printf '%d' "'$1") - 65))
    eval "$(xdotool getwindowgeometry --shell "$mainWindow")"
    echo $((WIDTH * (2 * index + 1) / 56)) $((HEIGHT - 34)) $((WIDTH / 56))
}
clickLetters() {
    local letter x y
    for letter in "$@"; do
        read -r x y _ < <(letterCentre "$letter")
        xdotool mousemove --window "$mainWindow" "$x" "$y" click 1
    done
    # Away from the buttons, so no tooltip covers them in the screenshots.
    xdotool mousemove 1279 1023
}
# A letter button's face colour: 0 for a used letter, 1 for one still to pick (or never in play).
# The face keeps its colour when the button is disabled at a round's end.
# Read from a strip inside the button's left edge, clear of the letter.
letterUnused() {
    local x y halfWidth
    read -r x y halfWidth < <(letterCentre "$2")
    convert "$1" -crop "3x6+$((x - halfWidth + 2))+$((y - 3))" +repage -fuzz 4% -fill black \
        -opaque "rgb(255,224,192)" -fill white +opaque black \
        -format '%[fx:mean < 0.5 ? 1 : 0]' info:
}
expectLetter() {
    local file=$1 letter=$2 state=$3 want=0
    [ "$state" = unused ] && want=1
    [ "$(letterUnused "$file" "$letter")" = "$want" ] ||
        fail "letter $letter should be $state in $(basename "$file")"
}
# The game has handled every earlier click and key once it shows the Exit box for Ctrl+X;
# Escape answers No and the game goes on.
settle() {
    pressIn "$mainWindow" ctrl+x
    local box
    box=$(awaitWindow "the Exit box opens" "^Exit$")
    pressIn "$box" Escape
    waitUntil "the Exit box closes after No" windowGone "^Exit$"
    gameRunning || fail "No in the Exit box ended the game"
}
startRound() {
    local before
    before=$(shot before-round)
    pressIn "$mainWindow" Return
    waitUntil "a round starts" differs "$before" round-started
}

# A round won: every letter of the word right. The Z clicked after the end must change nothing.
startRound
clickLetters W O R D Z
settle
won=$(shot after-win)
expectLetter "$won" W used
expectLetter "$won" D used
expectLetter "$won" Z unused
echo "Round won after $(($(date +%s) - built))s"

# A round lost: six letters not in the word. The W clicked after the end must change nothing.
startRound
clickLetters A B C E F G W
settle
lost=$(shot after-loss)
expectLetter "$lost" A used
expectLetter "$lost" G used
expectLetter "$lost" W unused
echo "Round lost after $(($(date +%s) - built))s"

# Quit: Yes is the Exit box's default answer, so Return gives it.
pressIn "$mainWindow" ctrl+x
box=$(awaitWindow "the Exit box opens" "^Exit$")
pressIn "$box" Return
echo "Quitting; valgrind checks for leaks..."
deadline=$(($(date +%s) + stepTimeout))
while gameRunning; do
    if [ "$(date +%s)" -ge "$deadline" ]; then
        fail "the game did not end within ${stepTimeout}s of Yes to quitting; killed it"
    fi
    sleep 1
done
status=0
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "the game ended with exit code $status"

finished=$(date +%s)
echo "Wall time: $((finished - built))s under valgrind," \
    "$((finished - started))s with setup and build"
# The reader's own tests first: a reader that misses a leak would pass every run.
/usr/bin/python3 "$root/scripts/memcheck_report_test.py"
/usr/bin/python3 "$root/scripts/memcheck_report.py" "$work/memcheck.xml" "$root" "$binary"
