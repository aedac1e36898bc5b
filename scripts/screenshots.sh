#!/usr/bin/env bash
# Takes the screenshots for the README under Xvfb, into docs/screenshots/: the main window at its
# restored size and filling a 1280 x 1024 screen, each before a round, in a round, after a loss and
# after a win, then the word-list editor with a few words typed in. The game plays a one-word list,
# so every round draws the same word.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/docs/screenshots"
bash "$root/scripts/setup.sh" xvfb xdotool imagemagick x11-utils
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$root/build" --target wordrow

home=$(mktemp -d)
Xvfb :73 -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY=:73
sleep 1

printf '"WORDROW"\r\n' >"$home/wordrow.wdr"
printf '"%s/wordrow.wdr"\r\n#TRUE#\r\n' "$home" >"$home/wordrow.ini"
(cd "$home" && exec "$root/build/src/wordrow") &
game=$!
window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
sleep 1

# Letter i's button centre: the row sits 627 twips (about 42 pixels) above the bottom edge.
letter() {
    local width height
    eval "$(xdotool getwindowgeometry --shell "$window")"
    width=$WIDTH
    height=$HEIGHT
    local index=$(($(printf '%d' "'$1") - 65))
    xdotool mousemove --window "$window" $((width * (2 * index + 1) / 56)) $((height - 34)) click 1
    sleep 0.2
}
shot() {
    sleep 0.5
    import -window "$window" "$out/$1.png"
}
playAndShoot() {
    local size=$1
    shot "$size-before-round"
    xdotool windowfocus --sync "$window" key Return
    letter O; letter E
    shot "$size-in-round"
    letter W; letter R; letter D
    shot "$size-after-win"
    xdotool key Return
    letter A; letter B; letter C; letter E; letter F; letter G
    shot "$size-after-loss"
}

mkdir -p "$out"
playAndShoot restored
# Without a window manager the window is as large as it is told: the whole screen.
kill $game
wait $game 2>/dev/null || true
(cd "$home" && exec "$root/build/src/wordrow") &
game=$!
window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
xdotool windowmove "$window" 0 0 windowsize --sync "$window" 1280 1024
playAndShoot maximized

# The word-list editor over the game, with a few words typed in.
xdotool windowfocus --sync "$window" key ctrl+m
editor=$(xdotool search --sync --onlyvisible --name "Make New Word List" | head -n 1)
for word in cat dog x-ray "don't"; do
    xdotool type --delay 20 "$word"
    xdotool key Return
done
xdotool type --delay 20 emu
sleep 0.5
import -window "$editor" "$out/editor.png"
kill $game
echo "Screenshots in $out"
