#!/usr/bin/env bash
# Plants one bad include at a time in a copy of the tree and makes sure check-layers.sh fails on
# each, naming the file; a check that cannot fail would let the layers erode unseen.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT

# file to plant in | include to plant
plants=(
    'src/core/GameState.h|game/GameRound.h'
    'src/wordlists/WordListFile.cpp|sound/WavFile.h'
    'src/speech/QtSpeaker.cpp|sound/SoundPlayback.h'
    'src/windows/AboutBox.cpp|editor/WordListEditor.h'
    'src/game/GameRound.cpp|app/MainWindow.h'
    'src/ui/PictureBox.cpp|PictureBox.h'
    'tests/game/GuessTest.cpp|RoundFixture.h'
)

bash "$root/scripts/check-layers.sh" "$root" >/dev/null
status=0
for plant in "${plants[@]}"; do
    file=${plant%%|*}
    included=${plant#*|}
    rm -rf "$copy/src" "$copy/tests" "$copy/bench"
    cp -r "$root/src" "$root/tests" "$root/bench" "$copy/"
    sed -i "1i #include \"$included\"" "$copy/$file"
    if output=$(bash "$root/scripts/check-layers.sh" "$copy" 2>&1); then
        echo "not caught: #include \"$included\" in $file" >&2
        status=1
    elif ! grep -q "^$file:1:" <<<"$output"; then
        echo "caught, but without naming $file:1: $output" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "check-layers-test: all ${#plants[@]} planted includes caught"
exit "$status"
