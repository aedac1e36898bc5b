#!/usr/bin/env bash
# Sets up, builds and starts Wordrow. The game keeps its settings and default word list in the
# directory it is started from: by default a folder "play" beside the build.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$root/build" --target wordrow

mkdir -p "$root/play"
cd "$root/play"
exec "$root/build/src/wordrow"
