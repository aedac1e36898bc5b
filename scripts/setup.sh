#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and playing Wordrow need, and only those
# that are missing. Safe to run again and again.
#   setup.sh              what building and playing need
#   setup.sh --for-tests  also a sound server for the audio tests, on machines without one
#   setup.sh NAME...      also these packages, for scripts that need more tools
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-multimedia-dev
    # Qt TextToSpeech's CMake package also asks for Qt Declarative's
    qt6-speech-dev qt6-declarative-dev
    # tests and benchmarks
    libgtest-dev libbenchmark-dev
    # the game on a desktop: the X11 platform plugin, SVG pictures, audio output, and the
    # database driver of the practice record
    qt6-qpa-plugins libqt6svg6 libqt6multimedia6 libqt6sql6-sqlite
    # the class record's driver, and the PostgreSQL server its tests start
    libqt6sql6-psql postgresql
    # speech: Qt's engine for speech-dispatcher, the service and its espeak-ng voices
    libqt6texttospeech6 qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
)
installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

if [ "${1:-}" = "--for-tests" ]; then
    shift
    # parec and pactl, and sox to measure what the audio tests record
    packages+=(pulseaudio-utils sox)
    # A desktop running PipeWire has its own server, which PulseAudio would replace.
    if ! installed pipewire-pulse; then
        packages+=(pulseaudio)
    fi
fi
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! installed "$package"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
