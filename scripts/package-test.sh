#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, checks what it put in place, starts
# the installed game under Xvfb from an empty folder and from the menu's launcher, then removes
# the package and checks that nothing of it is left. Needs root or sudo; CI runs it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
bash "$root/scripts/setup.sh" dpkg-dev desktop-file-utils appstream xvfb x11-utils xdotool sqlite3
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

flags=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr)
if [ -n "${CI:-}" ]; then
    flags+=(-DWORDROW_WERROR=ON)
fi
cmake -S "$root" -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/wordrow_*.deb)
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Depends

scratch=$(mktemp -d)
cleanup() {
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "$deb"
installed=$(dpkg -L wordrow)

desktop-file-validate /usr/share/applications/org.quilbyte.Wordrow.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.quilbyte.Wordrow.metainfo.xml
for size in 16 24 32 48 64 128 256; do
    test -s "/usr/share/icons/hicolor/${size}x${size}/apps/org.quilbyte.Wordrow.png"
done
test -s /usr/share/icons/hicolor/scalable/apps/org.quilbyte.Wordrow.svg
test -s /usr/share/man/man6/wordrow.6
test -s /usr/lib/wordrow/libwordrow_sound_output.so

# The ready-made lists with their sentences: each as in the repository, nothing else beside them,
# and readable by a user without rights of any kind.
lists=/usr/share/wordrow/lists
count=0
for list in "$root"/lists/*.wdr "$root"/lists/*.sentences.tsv; do
    "${sudo[@]}" setpriv --reuid=nobody --regid=nogroup --clear-groups \
        cat "$lists/$(basename "$list")" | cmp - "$list"
    count=$((count + 1))
done
test "$count" -gt 0
test "$(find "$lists" -mindepth 1 | wc -l)" -eq "$count"
echo "The $count ready-made list files are installed, readable by every user."

display=87
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
export DISPLAY=":$display"
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

# Starts a program and waits for its first window; the game's folder must then hold its files.
shows_window() {
    local folder=$1 pid
    shift
    "$@" &
    pid=$!
    if ! timeout 30 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null; then
        echo "no window from $*" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    sleep 0.5
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    test -s "$folder/wordrow.ini" && test -s "$folder/wordrow.wdr"
}

# From a terminal: the current folder is the game's home.
mkdir "$scratch/terminal"
(cd "$scratch/terminal" && shows_window "$PWD" /usr/bin/wordrow)
echo "The installed game started in an empty folder and wrote its two files there."

# Speech: the installed game's look at the speech engines, as it starts, finds speech-dispatcher's.
mkdir "$scratch/speech"
(cd "$scratch/speech" && QT_DEBUG_PLUGINS=1 shows_window "$PWD" /usr/bin/wordrow 2>"$scratch/plugins.log")
grep -q '"Provider": "speechd"' "$scratch/plugins.log" || { echo "no speech engine found" >&2; exit 1; }
echo "The installed game finds its speech engine."

# A round that ends in the installed game is kept in the practice record beside those files.
mkdir "$scratch/record"
(cd "$scratch/record" && exec /usr/bin/wordrow) &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
sleep 0.5
# Enter closes the title screen, then starts a word, then leaves it for the next: one round.
for _ in 1 2 3; do
    xdotool key Return
    sleep 0.5
done
kill "$pid"
wait "$pid" 2>/dev/null || true
test -s "$scratch/record/wordrow-record.sqlite"
rounds=$(sqlite3 "$scratch/record/wordrow-record.sqlite" \
    "SELECT count(*) FROM rounds WHERE result = 'abandoned' AND player = 'Player'")
test "$rounds" -ge 1
echo "The installed game kept a round in its practice record."

# From the menu: a folder of its own in the home folder, made when missing.
mkdir "$scratch/home"
launcher=$(sed -n 's/^Exec=//p' /usr/share/applications/org.quilbyte.Wordrow.desktop)
HOME="$scratch/home" shows_window "$scratch/home/Wordrow" "$launcher"
test -z "$(find "$scratch/home" -maxdepth 1 -name 'wordrow.*')"
echo "The menu entry started it in ~/Wordrow."

"${sudo[@]}" dpkg --purge wordrow
left=()
while read -r path; do
    # Folders shared with other packages stay; files and folders of our own must go.
    if [ -f "$path" ] || [ -L "$path" ] || { [ -d "$path" ] && [[ $path == *wordrow* ]]; }; then
        left+=("$path")
    fi
done <<<"$installed"
if [ ${#left[@]} -ne 0 ]; then
    echo "Left behind after removal: ${left[*]}" >&2
    exit 1
fi
echo "The package installed, ran and removed cleanly."
