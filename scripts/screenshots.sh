#!/usr/bin/env bash
# Takes the screenshots for the README under Xvfb, into docs/screenshots/: the main window at its
# restored size and filling a 1280 x 1024 screen, each before a round, in a round, after a loss and
# after a win, then the word-list editor with a few words typed in, the help topics, the manual and
# the about box; before all of these, the title screen of a first start; then the open dialog of
# an installed copy in the ready-made lists; last, the Practice menu with and without speech, the
# progress window and the player dialog, a spelling test under way and at its end, and the
# editor with a word's sentence and a round's hint. The game plays a one-word list, so every round
# draws the same word. Between the two sizes, a round on each of two words of hand-made lists, one
# played from the keyboard and one with the snowman's pictures.
#   SCREENSHOT_DISPLAY=:22 scripts/screenshots.sh   takes them on another X display than :73
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/docs/screenshots"
bash "$root/scripts/setup.sh" xvfb xdotool imagemagick x11-utils python3
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
# Everything an install takes, for the last picture.
cmake --build "$root/build"

home=$(mktemp -d)
display=${SCREENSHOT_DISPLAY:-:73}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY=$display
sleep 1

mkdir -p "$out"

# The title screen of a first start, with both bears out and the dedication uncovered. The bears
# stand beside the red maker line, which is found by its colour since its width follows the font.
first=$(mktemp -d)
(cd "$first" && exec "$root/build/src/wordrow") &
game=$!
splash=$(xdotool search --sync --onlyvisible --name "Wordrow by Quilbyte" | head -n 1)
sleep 1
click() {
    xdotool mousemove --window "$splash" "$1" "$2" click 1
    sleep 0.3
}
click 10 10
click 10 10
import -window "$splash" "$first/shot.png"
read -r makerWidth makerLeft makerTop < <(convert "$first/shot.png" -fill white -fuzz 8% \
    +opaque "rgb(192,0,0)" -trim -format '%w %X %Y\n' info: | tr -d '+')
eval "$(xdotool getwindowgeometry --shell "$splash")"
titleTop=$(((HEIGHT + 3) / 6))
click $((makerLeft - 18)) $((makerTop + 12))
# The right bear now stands on the title's top edge, 1480 twips or more right of the maker line.
rightBear=$((makerLeft + (makerWidth + 7 > 99 ? makerWidth + 7 : 99) + 18))
click "$rightBear" $((titleTop - 18))
click $((WIDTH / 2)) $((titleTop + 80))
sleep 0.5
import -window "$splash" "$out/title-screen.png"
kill $game
wait $game 2>/dev/null || true
rm -rf "$first"

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
    xdotool mousemove --window "$window" $((width * (2 * index + 1) / 56)) $((height - ${letterLift:-34})) click 1
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

playAndShoot restored
kill $game
wait $game 2>/dev/null || true

# Lists typed in a text editor: a round on ICE CREAM, its space a gap from the start, and one on
# café, its é shown from the start; each after two right letters and a wrong one.
handMade() {
    local made="$home/$2"
    mkdir -p "$made"
    printf '"%s"\r\n' "$1" >"$made/wordrow.wdr"
    printf '"%s/wordrow.wdr"\r\n#TRUE#\r\n' "$made" >"$made/wordrow.ini"
    (cd "$made" && exec "$root/build/src/wordrow") &
    game=$!
    window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window" key Return
    for guess in $3; do
        letter "$guess"
    done
    shot "$2"
    kill $game
    wait $game 2>/dev/null || true
}
handMade "ICE CREAM" hand-made-ice-cream "I C X"
handMade "café" hand-made-cafe "C A X"

# A round played from the keyboard alone: Enter, five typed letters, then Tab and the arrows to
# a letter, whose focus frame shows.
keyboard="$home/keyboard"
mkdir -p "$keyboard"
printf '"KEYBOARD"\r\n' >"$keyboard/wordrow.wdr"
printf '"%s/wordrow.wdr"\r\n#TRUE#\r\n' "$keyboard" >"$keyboard/wordrow.ini"
(cd "$keyboard" && exec "$root/build/src/wordrow") &
game=$!
window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
sleep 1
xdotool windowfocus --sync "$window" key Return
xdotool type --delay 150 oezbk
xdotool key Tab Right Right
shot keyboard-round
kill $game
wait $game 2>/dev/null || true

# A round with the snowman's pictures, chosen in the preferences, after two right letters and
# three wrong ones; once more at twice the size.
for scale in 1 2; do
    snow="$home/snowman-$scale"
    mkdir -p "$snow"
    printf '"WORDROW"\r\n' >"$snow/wordrow.wdr"
    printf '"%s/wordrow.wdr"\r\n#TRUE#\r\n' "$snow" >"$snow/wordrow.ini"
    printf '[pictures]\nset=snowman\n' >"$snow/wordrow-preferences.ini"
    letterLift=$((34 * scale))
    (cd "$snow" && QT_SCALE_FACTOR=$scale exec "$root/build/src/wordrow") &
    game=$!
    window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window" key Return
    for guess in O R A B C; do
        letter "$guess"
    done
    shot "snowman-in-round$([ "$scale" = 2 ] && echo -2x)"
    kill $game
    wait $game 2>/dev/null || true
done
letterLift=34

# Without a window manager the window is as large as it is told: the whole screen.
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

# The help topics at the second topic.
xdotool windowfocus --sync "$window" key ctrl+t
topics=$(xdotool search --sync --onlyvisible --name "Help Topics" | head -n 1)
xdotool windowsize --sync "$topics" 640 480 windowfocus --sync "$topics" key Down
sleep 0.5
import -window "$topics" "$out/topics.png"

# The instruction manual at its section on making lists.
xdotool windowfocus --sync "$window" key ctrl+h
manual=$(xdotool search --sync --onlyvisible --name "Wordrow Instruction Manual" | head -n 1)
xdotool windowsize --sync "$manual" 800 600 windowfocus --sync "$manual"
sleep 0.5
xdotool key Down Down Down Down Down Down
sleep 0.5
import -window "$manual" "$out/manual.png"

# The about box with both bears out and one of them clicked a few times.
xdotool windowfocus --sync "$window" key alt+h a
about=$(xdotool search --sync --onlyvisible --name "About Wordrow" | head -n 1)
sleep 0.5
for _ in 1 2; do
    xdotool mousemove --window "$about" 5 5 click 1
    sleep 0.2
done
for _ in 1 2 3; do
    xdotool mousemove --window "$about" 42 42 click 1
    sleep 0.2
done
sleep 0.3
import -window "$about" "$out/about.png"
kill $game
wait $game 2>/dev/null || true

# The open dialog of "Load Another List..." in the ready-made lists of an installed copy, so that
# "Look in" shows where a package puts them. The game is installed into a stage and run in a mount
# namespace of its own in which the stage lies over /usr: nothing is installed on this machine. A
# home and Qt settings of its own keep the user's folders and the dialog's remembered state out of
# the picture.
stage="$home/stage"
DESTDIR="$stage" cmake --install "$root/build" --prefix /usr >/dev/null
player="$home/player"
mkdir -p "$player"
(cd "$home" && HOME="$player" XDG_CONFIG_HOME="$player/.config" exec unshare --user \
    --map-root-user --mount sh -c 'mount -t overlay overlay -o "lowerdir=$1/usr:/usr" /usr &&
    exec /usr/bin/wordrow' sh "$stage") &
game=$!
window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
xdotool windowfocus --sync "$window" key ctrl+l
open=$(xdotool search --sync --onlyvisible --name "File Open" | head -n 1)
xdotool windowsize --sync "$open" 800 460
sleep 0.5
# "Ready-made lists" is the side bar's third entry, below the computer and the home folder. How
# tall its rows are depends on the icons found: a click on the first row shows its height in the
# selection's colour.
xdotool mousemove --window "$open" 60 52 click 1
sleep 0.5
import -window "$open" "$home/sidebar.png"
read -r top bottom < <(convert "$home/sidebar.png" -crop 1x300+145+30 +repage -fuzz 8% \
    -fill black -opaque "rgb(48,140,198)" -fill white +opaque black txt:- |
    awk -F'[,:]' '/#000000/ { y = $2 + 30; if (!top) top = y; bottom = y } END { print top, bottom }')
xdotool mousemove --window "$open" 60 $((top + (bottom - top + 1) * 5 / 2)) click 1
sleep 0.5
import -window "$open" "$out/ready-made-lists.png"
kill $game
wait $game 2>/dev/null || true

# The Practice menu in a round, at 1x and 2x: with speech, and with no speech service to reach
# (its items greyed out, the pointer on one to show why). Menus are windows of their own, so the
# screen's corner is taken.
practice() {
    local scale=$1 name=$2 width=$3
    shift 3
    (cd "$home" && exec env QT_SCALE_FACTOR="$scale" "$@" "$root/build/src/wordrow") &
    game=$!
    window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window" key Return
    sleep 2
    xdotool mousemove $((68 * scale)) $((8 * scale)) click 1
    sleep 1
    xdotool mousemove $((120 * scale)) $((54 * scale))
    sleep 2.5
    import -window root "$home/screen.png"
    convert "$home/screen.png" -crop $((width * scale))x$((380 * scale))+0+0 +repage \
        "$out/$name.png"
    kill $game
    wait $game 2>/dev/null || true
}
practice 1 practice-menu 640
practice 2 practice-menu-2x 640
practice 1 practice-menu-no-speech 900 SPEECHD_ADDRESS=unix_socket:/nonexistent
practice 2 practice-menu-no-speech-2x 640 SPEECHD_ADDRESS=unix_socket:/nonexistent

# The progress window of a child with a few weeks of rounds, and the player dialog with two more
# children added, at the usual size and at twice it.
for scale in 1 2; do
    practice="$home/practice-$scale"
    mkdir -p "$practice"
    python3 "$root/scripts/fill-record.py" "$practice" Sam
    printf '[practice]\nplayer=Sam\n' >"$practice/wordrow-preferences.ini"
    printf '"WORDROW"\r\n' >"$practice/wordrow.wdr"
    printf '"%s/wordrow.wdr"\r\n#TRUE#\r\n' "$practice" >"$practice/wordrow.ini"
    suffix=$([ "$scale" = 2 ] && echo -2x || true)
    (cd "$practice" && QT_SCALE_FACTOR=$scale exec "$root/build/src/wordrow") &
    game=$!
    window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window" key ctrl+p
    progress=$(xdotool search --sync --onlyvisible --name "Wordrow - Progress" | head -n 1)
    # Twice as large would not fit the screen.
    [ "$scale" = 2 ] && xdotool windowsize --sync "$progress" 1280 1024
    sleep 0.5
    import -window "$progress" "$out/progress$suffix.png"
    xdotool windowunmap --sync "$progress"
    xdotool windowfocus --sync "$window" key alt+p y
    dialog=$(xdotool search --sync --onlyvisible --name "^Player$" | head -n 1)
    sleep 0.5
    for name in Alex Jo; do
        xdotool key alt+n ctrl+a
        xdotool type --delay 20 "$name"
        xdotool key alt+a
        sleep 0.3
    done
    xdotool key alt+w Up
    sleep 0.5
    import -window "$dialog" "$out/player$suffix.png"
    kill $game
    wait $game 2>/dev/null || true
done
# A spelling test at 1x and 2x: in progress, a wrong answer marked, and at its end. The list holds
# one word, so the test asks it, has it copied, asks it again and ends.
for scale in 1 2; do
    spelling="$home/spelling-$scale"
    mkdir -p "$spelling"
    printf '"FRIEND"\r\n' >"$spelling/wordrow.wdr"
    printf '"%s/wordrow.wdr"\r\n#TRUE#\r\n' "$spelling" >"$spelling/wordrow.ini"
    suffix=$([ "$scale" = 2 ] && echo -2x || true)
    (cd "$spelling" && QT_SCALE_FACTOR=$scale exec "$root/build/src/wordrow") &
    game=$!
    window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window" key ctrl+e
    test=$(xdotool search --sync --onlyvisible --name "Wordrow - Spelling Test" | head -n 1)
    sleep 0.5
    xdotool windowfocus --sync "$test" type --delay 40 "frend"
    xdotool key Return
    sleep 0.5
    import -window "$test" "$out/spelling-test$suffix.png"
    xdotool type --delay 40 "FRIEND"
    xdotool key Return
    xdotool type --delay 40 "friend"
    xdotool key Return
    sleep 0.5
    import -window "$test" "$out/spelling-test-end$suffix.png"
    kill $game
    wait $game 2>/dev/null || true
done
# Sentences at 1x and 2x: the editor with the selected word's sentence typed in, and the hint of a
# round on a list whose one word has a sentence.
for scale in 1 2; do
    sentences="$home/sentences-$scale"
    mkdir -p "$sentences"
    printf '"THERE"\r\n' >"$sentences/wordrow.wdr"
    printf 'Word\tSentence\r\nTHERE\tPut it over there, by the door.\r\n' \
        >"$sentences/wordrow.sentences.tsv"
    printf '"%s/wordrow.wdr"\r\n#TRUE#\r\n' "$sentences" >"$sentences/wordrow.ini"
    suffix=$([ "$scale" = 2 ] && echo -2x || true)
    (cd "$sentences" && QT_SCALE_FACTOR=$scale exec "$root/build/src/wordrow") &
    game=$!
    window=$(xdotool search --sync --onlyvisible --pid $game | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$window" key ctrl+m
    editor=$(xdotool search --sync --onlyvisible --name "Make New Word List" | head -n 1)
    for word in there their where wear; do
        xdotool type --delay 20 "$word"
        xdotool key Return
    done
    # A word of the list clicked, then the sentence box; Enter keeps the sentence.
    clickEditor() {
        xdotool mousemove --window "$editor" $(($1 * scale)) $(($2 * scale)) click 1
        sleep 0.3
    }
    clickEditor 250 64
    clickEditor 180 172
    xdotool type --delay 20 "It is their dog."
    xdotool key Return
    clickEditor 250 47
    clickEditor 180 172
    xdotool type --delay 20 "Put it over there, by the door."
    xdotool key Return
    clickEditor 250 64
    clickEditor 250 47
    sleep 0.5
    import -window "$editor" "$out/editor-sentence$suffix.png"
    xdotool key alt+x
    sleep 0.3
    xdotool key Return
    sleep 0.3
    xdotool windowfocus --sync "$window" key Return
    sleep 0.3
    xdotool key ctrl+i
    hint=$(xdotool search --sync --onlyvisible --name "^Hint$" | head -n 1)
    sleep 0.5
    import -window "$hint" "$out/hint$suffix.png"
    # From the screen: the box is a window of its own, which the game window's picture leaves out.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/hint-over-round$suffix.png"
    kill $game
    wait $game 2>/dev/null || true
done
echo "Screenshots in $out"
