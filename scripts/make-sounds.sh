#!/usr/bin/env bash
# Builds every Wordrow sound effect from nothing but sox and espeak-ng, so the
# game ships no recorded or third-party audio and anyone can rebuild the set.
#
# Usage: make-sounds.sh [OUTDIR]      (default: assets/sounds of this repository)
#
# Every file comes out as 22050 Hz, mono, 16-bit PCM, peak -1 dBFS, with short
# fades against clicks and 0.15 s of silence at the end, because the Qt audio
# path swallows the last ~150 ms of a clip. Noise is seeded (sox -R), so a
# rerun gives byte-identical files.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
outdir=${1:-$here/../assets/sounds}
RATE=22050

for tool in sox espeak-ng awk; do
  command -v "$tool" >/dev/null || { echo "make-sounds: needs $tool (apt-get install sox espeak-ng)" >&2; exit 1; }
done

mkdir -p "$outdir"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# ---------------------------------------------------------------- helpers ---

# sox with seeded noise. Any warning (clipping, a bend past the end, ...)
# means a recipe is wrong, so it stops the build.
sx() {
  local err
  if ! err=$(sox -R "$@" 2>&1 >/dev/null) || [[ -n $err ]]; then
    echo "make-sounds: sox $*" >&2; echo "$err" >&2; return 1
  fi
}

# Intermediate files are 32-bit float so layering and filtering lose nothing.
OUT=(-e floating-point -b 32)

# gen OUT EFFECT...        synthesise from silence (needs a synth effect)
gen() { local out=$1; shift; sx -r "$RATE" -c 1 -n "${OUT[@]}" "$out" "$@"; }

# fx IN OUT EFFECT...      process one file
fx() { local in=$1 out=$2; shift 2; sx "$in" "${OUT[@]}" "$out" "$@"; }

# concat OUT IN...         play files one after the other
concat() { local out=$1; shift; sx "$@" "${OUT[@]}" "$out"; }

# layer OUT FILE@START[@VOL]...   mix files, each starting at its own time
layer() {
  local out=$1; shift
  local args=() i=0 f t v
  for entry in "$@"; do
    IFS=@ read -r f t v <<<"$entry"
    fx "$f" "$tmp/layer_$i.wav" pad "${t:-0}"
    args+=(-v "${v:-1}" "$tmp/layer_$i.wav")
    i=$((i + 1))
  done
  if ((i == 1)); then
    fx "$tmp/layer_0.wav" "$out" vol "${v:-1}"
  else
    sx -m "${args[@]}" "${OUT[@]}" "$out"
  fi
}

# hz NOTE                  scientific pitch (A4, Eb5, F#3) to Hz
hz() {
  awk -v n="$1" 'BEGIN {
    s["C"] = -9; s["D"] = -7; s["E"] = -5; s["F"] = -4; s["G"] = -2; s["A"] = 0; s["B"] = 2
    l = substr(n, 1, 1); r = substr(n, 2); a = 0
    if (substr(r, 1, 1) == "#") { a = 1; r = substr(r, 2) }
    else if (substr(r, 1, 1) == "b") { a = -1; r = substr(r, 2) }
    printf "%.3f", 440 * 2 ^ ((s[l] + a + 12 * (r - 4)) / 12) }'
}

# mul HZ FACTOR            frequency times a factor (for partials)
mul() { awk -v f="$1" -v m="$2" 'BEGIN { printf "%.3f", f * m }'; }

# note OUT SECONDS TIMBRE NOTE   one enveloped note, about -12 dBFS, so a few
# of them can be layered without clipping. Timbres:
#   brass  sawtooth through a 4-pole low-pass, soft tongued attack
#   pluck  sox's plucked string
#   chip   25% pulse wave, like an old game console
#   tri    triangle wave, soft and flute-like
#   bell   harmonic sine partials with a short inharmonic shimmer, long decay
#   mallet sine with a fast-dying 4th partial, short decay (marimba-ish)
note() {
  local out=$1 len=$2 kind=$3 f
  f=$(hz "$4")
  case $kind in
    brass)
      gen "$out" synth "$len" sawtooth "$f" gain -12 lowpass 2800 lowpass 2800 \
        fade t 0.025 "$len" 0.06 ;;
    pluck)
      # sox only plucks at 44.1 kHz and up, so pluck there and resample.
      sx -r 44100 -c 1 -n "${OUT[@]}" "$out" synth "$len" pluck "$f" gain -10 \
        rate "$RATE" fade t 0.002 "$len" 0.04 ;;
    chip)
      gen "$out" synth "$len" square "$f" 0 0 25 gain -16 lowpass 7000 \
        fade t 0.003 "$len" 0.02 ;;
    tri)
      gen "$out" synth "$len" triangle "$f" fade t 0.006 "$len" 0.03 gain -10 ;;
    bell)
      # "fade l" falls 100 dB over its length; running it over twice the
      # note and keeping the first half gives a gentler 50 dB ring-out.
      gen "$tmp/bell_1.wav" synth "$(mul "$len" 2)" sine "$f" \
        fade l 0.002 "$(mul "$len" 2)" "$(mul "$len" 2)" trim 0 "$len"
      gen "$tmp/bell_2.wav" synth "$(mul "$len" 2)" sine "$(mul "$f" 2)" \
        fade l 0.002 "$(mul "$len" 2)" "$(mul "$len" 2)" trim 0 "$len"
      gen "$tmp/bell_3.wav" synth 0.4 sine "$(mul "$f" 3)" fade l 0.002 0.4 0.4
      gen "$tmp/bell_4.wav" synth 0.15 sine "$(mul "$f" 4.16)" fade l 0.001 0.15 0.15
      layer "$tmp/bell_m.wav" "$tmp/bell_1.wav@0@0.6" "$tmp/bell_2.wav@0@0.22" \
        "$tmp/bell_3.wav@0@0.1" "$tmp/bell_4.wav@0@0.08"
      fx "$tmp/bell_m.wav" "$out" gain -8 fade t 0 "$len" 0.05 ;;
    mallet)
      gen "$tmp/mal_a.wav" synth "$len" sine "$f" fade l 0.002 "$len" "$len"
      gen "$tmp/mal_b.wav" synth 0.06 sine "$(mul "$f" 4)" fade l 0.001 0.06 0.06
      layer "$tmp/mal_c.wav" "$tmp/mal_a.wav@0@0.8" "$tmp/mal_b.wav@0@0.3"
      fx "$tmp/mal_c.wav" "$out" gain -8 ;;
    *) echo "note: unknown timbre $kind" >&2; return 1 ;;
  esac
}

# tune OUT TIMBRE NOTE:SECONDS...   notes played one after the other
tune() {
  local out=$1 kind=$2; shift 2
  local parts=() i=0 n d
  for nd in "$@"; do
    n=${nd%%:*}; d=${nd##*:}
    note "$tmp/tune_$i.wav" "$d" "$kind" "$n"
    parts+=("$tmp/tune_$i.wav")
    i=$((i + 1))
  done
  concat "$out" "${parts[@]}"
}

# chord OUT SECONDS TIMBRE NOTE...  notes sounding together
chord() {
  local out=$1 len=$2 kind=$3; shift 3
  local entries=() i=0 v
  v=$(awk -v n=$# 'BEGIN { printf "%.3f", 1.6 / n }')
  for n in "$@"; do
    note "$tmp/chord_$i.wav" "$len" "$kind" "$n"
    entries+=("$tmp/chord_$i.wav@0@$v")
    i=$((i + 1))
  done
  layer "$out" "${entries[@]}"
}

# strum OUT GAP SECONDS TIMBRE NOTE...  chord whose notes start GAP s apart
strum() {
  local out=$1 gap=$2 len=$3 kind=$4; shift 4
  local entries=() i=0 t v
  v=$(awk -v n=$# 'BEGIN { printf "%.3f", 1.6 / n }')
  for n in "$@"; do
    note "$tmp/strum_$i.wav" "$len" "$kind" "$n"
    t=$(awk -v g="$gap" -v i="$i" 'BEGIN { printf "%.3f", g * i }')
    entries+=("$tmp/strum_$i.wav@$t@$v")
    i=$((i + 1))
  done
  layer "$out" "${entries[@]}"
}

# speak OUT VOICE PITCH SPEED TEXT [FADE]   espeak-ng speech with its silences
# cut, soft edges (FADE s at the end, default 0.03), and 0.3 s of room at the
# end for bends, echoes and reverb.
speak() {
  local out=$1 voice=$2 pitch=$3 speed=$4 text=$5 fade=${6:-0.03}
  espeak-ng -v "$voice" -p "$pitch" -s "$speed" -a 120 -w "$tmp/speak_raw.wav" "$text"
  fx "$tmp/speak_raw.wav" "$tmp/speak_cut.wav" rate "$RATE" \
    silence 1 0.005 1% reverse silence 1 0.005 1% reverse
  fx "$tmp/speak_cut.wav" "$out" gain -6 fade t 0.005 -0 "$fade" pad 0 0.3
}

# vibrato SECONDS CENTS RATE [DELAY]   bend arguments for a steady vibrato
vibrato() {
  awk -v len="$1" -v c="$2" -v r="$3" -v d="${4:-0}" 'BEGIN {
    half = 0.5 / r; n = int(len / half)
    printf "%.3f,%d,%.4f ", d, c / 2, half / 2
    for (i = 1; i < n; i++) printf "0,%d,%.4f ", (i % 2 ? -c : c), half }'
}

# Drum kit used by several sounds.
kick()  { gen "$1" synth 0.3 sine 150/45 fade l 0.002 0.3 0.28 gain -6; }
snare() {
  gen "$tmp/sn_n.wav" synth 0.16 whitenoise gain -6 highpass 1500 lowpass 8000 \
    fade l 0.001 0.16 0.155
  gen "$tmp/sn_t.wav" synth 0.08 triangle "${2:-190}" fade l 0.001 0.08 0.075
  layer "$tmp/sn_m.wav" "$tmp/sn_n.wav@0@0.7" "$tmp/sn_t.wav@0@0.35"
  fx "$tmp/sn_m.wav" "$1" gain -4
}
hat()   { gen "$1" synth 0.05 whitenoise gain -10 highpass 7000 fade l 0.001 0.05 0.048; }
crash() {
  local len=${2:-1.0} long
  long=$(mul "$len" 2)
  gen "$1" synth "$long" whitenoise gain -9 highpass 3500 lowpass 9000 \
    fade l 0.002 "$long" "$long" trim 0 "$len" fade t 0 "$len" 0.05
}
# One hand clap: three quick noise flutters and a short ring, band-limited.
clap() {
  gen "$tmp/cl_1.wav" synth 0.009 whitenoise fade l 0.0005 0.009 0.008
  gen "$tmp/cl_2.wav" synth 0.11 whitenoise fade l 0.0005 0.11 0.105
  concat "$tmp/cl_j.wav" "$tmp/cl_1.wav" "$tmp/cl_1.wav" "$tmp/cl_2.wav"
  fx "$tmp/cl_j.wav" "$1" gain -3 bandpass "${2:-1200}" 1.2o
}

# finish IN NAME           final format: trailing near-silence cut, soft edges,
# peak -1 dBFS, then the 0.15 s of silence the player may swallow.
finish() {
  fx "$1" "$tmp/finish.wav" channels 1 rate "$RATE" highpass 20 \
    reverse silence 1 0.005 0.1% reverse
  sx -D "$tmp/finish.wav" -b 16 -e signed-integer "$outdir/$2.wav" \
    fade q 0.005 -0 0.02 gain -n -1 pad 0 0.15
}

# ------------------------------------------------------------ loss table ---

# Laser: a fast falling zap; also heard when the word-list editor or help closes.
gen "$tmp/a.wav" synth 0.32 square 2000/140 fade t 0.002 0.32 0.3 gain -10
gen "$tmp/b.wav" synth 0.32 sine 4000/280 fade t 0.002 0.32 0.3 gain -14
layer "$tmp/c.wav" "$tmp/a.wav@0" "$tmp/b.wav@0"
fx "$tmp/c.wav" "$tmp/d.wav" lowpass 6000 pad 0 0.1 echo 0.8 0.6 45 0.3
finish "$tmp/d.wav" Laser

# Boing: a spring that twangs and wobbles down to rest a little flat.
gen "$tmp/a.wav" synth 0.9 triangle 240 fade t 0.003 0.9 0.85 gain -8 \
  bend -f 80 -o 32 0,700,0.05 0,-900,0.07 0,650,0.07 0,-500,0.07 0,360,0.07 \
  0,-260,0.07 0,170,0.07 0,-120,0.07 0,60,0.07 0,-150,0.12
finish "$tmp/a.wav" Boing

# cy-excla: a chiptune "uh-oh", two notes falling a minor third.
tune "$tmp/a.wav" chip G5:0.14 E5:0.34
fx "$tmp/a.wav" "$tmp/b.wav" pad 0 0.3 bend -f 80 0.3,-60,0.15 echo 0.8 0.5 90 0.25
finish "$tmp/b.wav" cy-excla

# db_exitw: a soft whoosh sliding down, as if the round walked out the door.
gen "$tmp/a.wav" synth 0.75 pinknoise gain -6 bandpass 1800 1.5o \
  bend -f 80 0.05,-1500,0.65 fade h 0.25 0.75 0.45
gen "$tmp/b.wav" synth 0.22 sine 110/50 fade l 0.003 0.22 0.2 gain -6
layer "$tmp/c.wav" "$tmp/a.wav@0" "$tmp/b.wav@0.55@0.7"
finish "$tmp/c.wav" db_exitw

# Descend: a C-minor arpeggio tumbling down two octaves, the last note sagging.
tune "$tmp/a.wav" tri G5:0.12 Eb5:0.12 C5:0.12 G4:0.12 Eb4:0.12 C4:0.5
tune "$tmp/c.wav" chip G5:0.12 Eb5:0.12 C5:0.12 G4:0.12 Eb4:0.12 C4:0.5
layer "$tmp/d.wav" "$tmp/a.wav@0" "$tmp/c.wav@0@0.35"
fx "$tmp/d.wav" "$tmp/e.wav" bend -f 80 0.78,-250,0.3
finish "$tmp/e.wav" Descend

# Doink: two rubbery bonks, the second lower.
gen "$tmp/a.wav" synth 0.22 sine 720/260 fade t 0.002 0.22 0.2 gain -6
gen "$tmp/b.wav" synth 0.32 sine 520/170 fade t 0.002 0.32 0.3 gain -6
gen "$tmp/c.wav" synth 0.22 square 720/260 gain -20 lowpass 1200 fade t 0.002 0.22 0.2
layer "$tmp/d.wav" "$tmp/a.wav@0" "$tmp/c.wav@0" "$tmp/b.wav@0.24"
finish "$tmp/d.wav" Doink

# Drumroll: a snare roll swelling up to a kick-and-cymbal hit; also a start-up sound.
# Strokes decay only a little and alternate hands, so the roll reads as dense.
gen "$tmp/r.wav" synth 0.045 whitenoise gain -10 highpass 1200 lowpass 7000 \
  fade t 0.001 0.045 0.035
gen "$tmp/t.wav" synth 0.045 triangle 185 gain -18 fade t 0.001 0.045 0.04
layer "$tmp/s.wav" "$tmp/r.wav@0" "$tmp/t.wav@0"
fx "$tmp/s.wav" "$tmp/s2.wav" vol 0.8
concat "$tmp/pair.wav" "$tmp/s.wav" "$tmp/s2.wav"
fx "$tmp/pair.wav" "$tmp/roll.wav" repeat 14
fx "$tmp/roll.wav" "$tmp/rollup.wav" fade t 1.35
layer "$tmp/roll2.wav" "$tmp/roll.wav@0@0.45" "$tmp/rollup.wav@0@0.55"
kick "$tmp/k.wav"; snare "$tmp/sn.wav"; crash "$tmp/cr.wav" 0.95
layer "$tmp/a.wav" "$tmp/roll2.wav@0" "$tmp/k.wav@1.35@0.45" \
  "$tmp/sn.wav@1.35@0.4" "$tmp/cr.wav@1.35@0.6"
finish "$tmp/a.wav" Drumroll

# hc_restd: a toy winding down, a buzzy hum sinking with a wobble.
gen "$tmp/a.wav" synth 1.2 square 520/130 gain -8 lowpass 2200 lowpass 2200 \
  tremolo 9 50 fade t 0.01 1.2 0.5
finish "$tmp/a.wav" hc_restd

# hc_scrm2: a cartoon "whoa!" that climbs then slides away down.
speak "$tmp/a.wav" en-us+m3 70 130 "Whoa!"
fx "$tmp/a.wav" "$tmp/b.wav" tempo -s 0.6 \
  bend -f 80 0,400,0.15 0.05,-1300,0.55 reverb 20 50 40
finish "$tmp/b.wav" hc_scrm2

# Yaaa: a dismayed "yaaah!" that droops at the end.
speak "$tmp/a.wav" en-us+f3 65 130 "Yaah!"
fx "$tmp/a.wav" "$tmp/b.wav" tempo -s 0.75 bend -f 80 0.15,-600,0.4
finish "$tmp/b.wav" Yaaa

# Mcitest: three sine test beeps stepping down.
gen "$tmp/a.wav" synth 0.09 sine 1000 fade h 0.008 0.09 0.05 gain -6
gen "$tmp/b.wav" synth 0.09 sine 800 fade h 0.008 0.09 0.05 gain -6
gen "$tmp/c.wav" synth 0.25 sine 500 fade t 0.008 0.25 0.22 gain -6
layer "$tmp/d.wav" "$tmp/a.wav@0" "$tmp/b.wav@0.15" "$tmp/c.wav@0.3"
finish "$tmp/d.wav" Mcitest

# No: a sorry "oh no!" with the voice falling.
speak "$tmp/a.wav" en-us+f2 55 140 "Oh no!"
fx "$tmp/a.wav" "$tmp/b.wav" bend -f 80 0.3,-300,0.3
finish "$tmp/b.wav" No

# Ooo: a small crowd going "ooooh" in disappointment, sagging in pitch.
speak "$tmp/v1.wav" en-us+m3 35 110 "Oooh." 0.2
speak "$tmp/v2.wav" en-us+f3 60 110 "Oooh." 0.2
speak "$tmp/v3.wav" en-us+m1 50 110 "Oooh." 0.2
layer "$tmp/a.wav" "$tmp/v1.wav@0" "$tmp/v2.wav@0.04" "$tmp/v3.wav@0.08"
fx "$tmp/a.wav" "$tmp/b.wav" tempo -s 0.55 bend -f 80 0.2,-500,0.5 \
  chorus 0.7 0.8 40 0.4 0.3 2 -s lowpass 6000
finish "$tmp/b.wav" Ooo

# PE_Excla: a deflated cartoon "bwomp" on a low horn.
gen "$tmp/a.wav" synth 0.6 sawtooth 147 synth 0.6 sawtooth mix 143 gain -6 \
  lowpass 700 lowpass 700 fade t 0.04 0.6 0.25 bend -f 80 0.25,-500,0.3
finish "$tmp/a.wav" PE_Excla

# PE_Ringl: three soft bells ringing down an A-minor triad.
note "$tmp/a.wav" 0.9 bell E5
note "$tmp/b.wav" 0.9 bell C5
note "$tmp/c.wav" 1.1 bell A4
layer "$tmp/d.wav" "$tmp/a.wav@0" "$tmp/b.wav@0.22" "$tmp/c.wav@0.44"
finish "$tmp/d.wav" PE_Ringl

# Snd164: a marimba stepping down a G-minor triad.
tune "$tmp/a.wav" mallet D5:0.16 Bb4:0.16 G4:0.45
finish "$tmp/a.wav" Snd164

# Sound108: the sad trombone, "wah wah wah waaah", with a wobble on the last.
# Each note swells in and out to give the muted "wah".
i=0
for nd in D4:0.34 Db4:0.34 C4:0.34 B3:0.95; do
  note "$tmp/w$i.wav" "${nd#*:}" brass "${nd%:*}"
  i=$((i + 1))
done
for i in 0 1 2; do fx "$tmp/w$i.wav" "$tmp/x$i.wav" fade h 0.09 0.34 0.12; done
read -ra vib <<<"$(vibrato 0.95 70 5.5)"
fx "$tmp/w3.wav" "$tmp/x3.wav" fade h 0.09 bend -f 80 -o 32 "${vib[@]}" \
  fade h 0 0.95 0.35
concat "$tmp/e.wav" "$tmp/x0.wav" "$tmp/x1.wav" "$tmp/x2.wav" "$tmp/x3.wav"
fx "$tmp/e.wav" "$tmp/f.wav" lowpass 1600 tremolo 5.5 20
finish "$tmp/f.wav" Sound108

# Sound181: a soft game-show "wrong answer" buzzer.
gen "$tmp/a.wav" synth 0.6 square 110 synth 0.6 square mix 116 gain -8 \
  lowpass 1400 lowpass 1400 fade t 0.01 0.6 0.2
finish "$tmp/a.wav" Sound181

# Sound20: three bubbles sinking, each "bloop" lower than the last.
gen "$tmp/a.wav" synth 0.12 sine 900/380 fade t 0.005 0.12 0.1 gain -6
gen "$tmp/b.wav" synth 0.12 sine 700/290 fade t 0.005 0.12 0.1 gain -6
gen "$tmp/c.wav" synth 0.2 sine 520/180 fade t 0.005 0.2 0.17 gain -6
layer "$tmp/d.wav" "$tmp/a.wav@0" "$tmp/b.wav@0.16" "$tmp/c.wav@0.32"
finish "$tmp/d.wav" Sound20

# Sound240: a harp strummed downwards through A minor.
strum "$tmp/a.wav" 0.08 1.1 pluck A5 E5 C5 A4 E4 A3
finish "$tmp/a.wav" Sound240

# Sound999: a slide whistle gliding down with a little wobble, breathy.
read -ra vib <<<"$(vibrato 1.1 60 6)"
gen "$tmp/a.wav" synth 1.1 sine 1500/330 fade h 0.04 1.1 0.5 gain -6 \
  bend -f 80 -o 32 "${vib[@]}"
gen "$tmp/b.wav" synth 1.1 pinknoise gain -32 bandpass 1500 1o fade h 0.04 1.1 0.5
layer "$tmp/c.wav" "$tmp/a.wav@0" "$tmp/b.wav@0"
finish "$tmp/c.wav" Sound999

# ------------------------------------------------------------- win table ---

# Musica: a bouncy plucked run up to a bright C-major chord; also a start-up sound.
tune "$tmp/m.wav" pluck C5:0.12 D5:0.12 E5:0.12 G5:0.12 E5:0.12 G5:0.12
tune "$tmp/m2.wav" chip C5:0.12 D5:0.12 E5:0.12 G5:0.12 E5:0.12 G5:0.12
tune "$tmp/bs.wav" pluck C3:0.24 G3:0.24 E3:0.24
strum "$tmp/ch.wav" 0.03 1.0 pluck C4 G4 C5 E5 G5 C6
layer "$tmp/a.wav" "$tmp/m.wav@0" "$tmp/m2.wav@0@0.6" "$tmp/bs.wav@0@0.7" \
  "$tmp/ch.wav@0.72"
fx "$tmp/a.wav" "$tmp/b.wav" pad 0 0.3 reverb 25 50 50
finish "$tmp/b.wav" Musica

# BD9993: a coin-style "ba-ding", a short note then a bright ringing one a fourth up.
note "$tmp/a.wav" 0.08 chip B5
gen "$tmp/b.wav" synth 0.45 square "$(hz E6)" 0 0 25 gain -16 lowpass 7000 \
  fade t 0.002 0.45 0.43
concat "$tmp/c.wav" "$tmp/a.wav" "$tmp/b.wav"
finish "$tmp/c.wav" BD9993

# BD9995: a power-up, two fast rising arpeggios, the second a step higher.
up="C5:0.045 E5:0.045 G5:0.045 C6:0.045 E6:0.045 G6:0.045"
up2="D5:0.045 F#5:0.045 A5:0.045 D6:0.045 F#6:0.045 A6:0.045 D7:0.25"
# shellcheck disable=SC2086  # the note lists split on purpose
tune "$tmp/a.wav" tri $up $up2
# shellcheck disable=SC2086
tune "$tmp/b.wav" chip $up $up2
layer "$tmp/c.wav" "$tmp/a.wav@0" "$tmp/b.wav@0@0.6"
fx "$tmp/c.wav" "$tmp/d.wav" pad 0 0.3 echo 0.8 0.5 70 0.3
finish "$tmp/d.wav" BD9995

# Bugle: a brass call on the bugle's own notes G-C-E-G, ending on a held top G.
note "$tmp/a.wav" 0.13 brass G4
note "$tmp/b.wav" 0.13 brass C5
note "$tmp/c.wav" 0.13 brass E5
note "$tmp/d.wav" 0.32 brass G5
note "$tmp/e.wav" 0.13 brass E5
note "$tmp/f.wav" 0.7 brass G5
read -ra vib <<<"$(vibrato 0.45 25 5.5 0.2)"
fx "$tmp/f.wav" "$tmp/f2.wav" bend -f 80 -o 32 "${vib[@]}" fade h 0 0.7 0.15
concat "$tmp/g.wav" "$tmp/a.wav" "$tmp/b.wav" "$tmp/c.wav" "$tmp/d.wav" "$tmp/e.wav" "$tmp/f2.wav"
fx "$tmp/g.wav" "$tmp/h.wav" pad 0 0.3 reverb 30 50 60
finish "$tmp/h.wav" Bugle

# Clap: two people clapping "clap, clap, clap-clap-clap" in a small room.
clap "$tmp/c1.wav" 1200; clap "$tmp/c2.wav" 1500
entries=()
for t in 0 0.3 0.6 0.75 0.9; do
  entries+=("$tmp/c1.wav@$t@0.8")
  entries+=("$tmp/c2.wav@$(awk -v t="$t" 'BEGIN { print t + 0.014 }')@0.6")
done
layer "$tmp/a.wav" "${entries[@]}"
fx "$tmp/a.wav" "$tmp/b.wav" pad 0 0.2 reverb 30 60 30
finish "$tmp/b.wav" Clap

# Crowdbig: a crowd cheering, a swell of noise, scattered claps and shouts.
gen "$tmp/n.wav" synth 2.3 pinknoise gain -14 bandpass 900 2o fade h 0.35 2.3 1.0
clap "$tmp/c1.wav" 1100; clap "$tmp/c2.wav" 1400; clap "$tmp/c3.wav" 1700
entries=("$tmp/n.wav@0")
i=0
for t in 0.08 0.17 0.23 0.31 0.38 0.44 0.52 0.57 0.66 0.71 0.79 0.86 0.93 \
  0.99 1.07 1.12 1.21 1.28 1.34 1.43 1.51 1.6 1.72 1.85; do
  entries+=("$tmp/c$((i % 3 + 1)).wav@$t@0.22")
  i=$((i + 1))
done
speak "$tmp/v1.wav" en-us+m3 60 170 "Yay!"
speak "$tmp/v2.wav" en-us+f3 80 170 "Hooray!"
speak "$tmp/v3.wav" en-us+m1 45 180 "Woo hoo!"
speak "$tmp/v4.wav" en-us+f2 70 170 "Yeah!"
entries+=("$tmp/v1.wav@0.1@0.55" "$tmp/v2.wav@0.35@0.5" "$tmp/v3.wav@0.6@0.45" "$tmp/v4.wav@0.95@0.5")
layer "$tmp/a.wav" "${entries[@]}"
fx "$tmp/a.wav" "$tmp/b.wav" reverb 40 50 80
finish "$tmp/b.wav" Crowdbig

# db_start: a rising whoosh that lands on a bright two-bell ding.
gen "$tmp/a.wav" synth 0.35 sine 300/1200 fade h 0.05 0.35 0.05 gain -14
gen "$tmp/b.wav" synth 0.35 pinknoise gain -14 bandpass 1200 1.5o fade h 0.3 0.35 0.05 \
  bend -f 80 0,900,0.3 fade t 0 0.35 0.05
note "$tmp/c.wav" 0.9 bell C6
note "$tmp/d.wav" 0.9 bell G6
layer "$tmp/e.wav" "$tmp/a.wav@0" "$tmp/b.wav@0" "$tmp/c.wav@0.33" "$tmp/d.wav@0.33@0.7"
finish "$tmp/e.wav" db_start

# Drums: a one-bar kick, snare and hi-hat groove with a crash on the downbeat after.
kick "$tmp/k.wav"; snare "$tmp/s.wav"; hat "$tmp/h.wav"; crash "$tmp/cr.wav" 0.9
step=0.14
entries=()
for i in 0 1 2 3 4 5 6 7; do
  t=$(awk -v s="$step" -v i="$i" 'BEGIN { printf "%.3f", s * i }')
  entries+=("$tmp/h.wav@$t@0.5")
  case $i in 0 | 4 | 5) entries+=("$tmp/k.wav@$t@0.9") ;; 2 | 6) entries+=("$tmp/s.wav@$t@0.8") ;; esac
done
entries+=("$tmp/k.wav@1.12@0.9" "$tmp/cr.wav@1.12@0.8" "$tmp/s.wav@1.12@0.5")
layer "$tmp/a.wav" "${entries[@]}"
finish "$tmp/a.wav" Drums

# Happy: a cheerful "Happy!" lifting at the end, over a quiet upward sparkle.
speak "$tmp/v.wav" en-us+f3 80 150 "Happy!"
fx "$tmp/v.wav" "$tmp/v2.wav" bend -f 80 0.12,250,0.2 reverb 15 50 30
strum "$tmp/s.wav" 0.06 0.6 bell C6 E6 G6 C7
layer "$tmp/a.wav" "$tmp/v2.wav@0" "$tmp/s.wav@0.15@0.35"
finish "$tmp/a.wav" Happy

# PE_Quest: a little chiptune "quest complete" jingle climbing to a held high D.
tune "$tmp/a.wav" chip D5:0.1 G5:0.1 F#5:0.1 G5:0.1 B5:0.1 D6:0.45
tune "$tmp/b.wav" tri G3:0.2 D4:0.2 G4:0.55
layer "$tmp/c.wav" "$tmp/a.wav@0" "$tmp/b.wav@0@0.6"
fx "$tmp/c.wav" "$tmp/d.wav" pad 0 0.4 echo 0.8 0.5 120 0.25
finish "$tmp/d.wav" PE_Quest

# Ratatat: a tight snare "ra-ta-tat, ra-ta-tat, ra-ta-ta-TAT!" with a cymbal.
snare "$tmp/s.wav" 240
fx "$tmp/s.wav" "$tmp/st.wav" trim 0 0.09 fade t 0 0.09 0.06
crash "$tmp/cr.wav" 0.7
entries=()
for t in 0 0.065 0.13 0.3 0.365 0.43 0.6 0.665 0.73 0.795; do
  entries+=("$tmp/st.wav@$t@0.75")
done
entries+=("$tmp/s.wav@0.9@0.8" "$tmp/cr.wav@0.9@0.45")
layer "$tmp/a.wav" "${entries[@]}"
finish "$tmp/a.wav" Ratatat

# Rec: three bubbles rising, each "bloop" higher than the last.
gen "$tmp/a.wav" synth 0.1 sine 300/700 fade t 0.005 0.1 0.08 gain -6
gen "$tmp/b.wav" synth 0.1 sine 420/950 fade t 0.005 0.1 0.08 gain -6
gen "$tmp/c.wav" synth 0.16 sine 560/1400 fade t 0.005 0.16 0.13 gain -6
layer "$tmp/d.wav" "$tmp/a.wav@0" "$tmp/b.wav@0.13" "$tmp/c.wav@0.26"
finish "$tmp/d.wav" Rec

# Sound24: a harp strummed upwards through C major.
strum "$tmp/a.wav" 0.07 1.1 pluck C4 E4 G4 C5 E5 G5 C6
finish "$tmp/a.wav" Sound24

# Sound560: a gentle rising two-bell chime; also heard when the about box closes.
note "$tmp/a.wav" 0.7 bell G5
note "$tmp/b.wav" 0.9 bell C6
layer "$tmp/c.wav" "$tmp/a.wav@0" "$tmp/b.wav@0.2"
finish "$tmp/c.wav" Sound560

# Tada: "ta-DAA!", a short G-major brass chord resolving to a held C major;
# also a start-up sound.
chord "$tmp/a.wav" 0.13 brass G4 B4 D5 G5
chord "$tmp/b.wav" 1.0 brass C5 E5 G5 C6
chord "$tmp/p.wav" 1.0 pluck C4 E4 G4 C5
fx "$tmp/b.wav" "$tmp/b2.wav" tremolo 6 15
layer "$tmp/c.wav" "$tmp/a.wav@0" "$tmp/b2.wav@0.16" "$tmp/p.wav@0.16@0.6"
fx "$tmp/c.wav" "$tmp/d.wav" pad 0 0.3 reverb 30 50 60
finish "$tmp/d.wav" Tada

# Tw08: high twinkles scattered up a pentatonic scale, with a sparkling echo.
entries=()
i=0
for n in C6 E6 D6 G6 E6 A6 G6 C7; do
  note "$tmp/tw_$i.wav" 0.3 bell "$n"
  entries+=("$tmp/tw_$i.wav@$(awk -v i="$i" 'BEGIN { printf "%.3f", 0.075 * i }')@0.5")
  i=$((i + 1))
done
layer "$tmp/a.wav" "${entries[@]}"
fx "$tmp/a.wav" "$tmp/b.wav" pad 0 0.3 echo 0.8 0.6 110 0.35 180 0.2
finish "$tmp/b.wav" Tw08

# Victory: a brass fanfare "ta-ta-ta TAA, ta TAA-AA" up to a held C-major chord.
tune "$tmp/m.wav" brass C5:0.09 C5:0.09 C5:0.09 F5:0.27 E5:0.13 G5:0.27 C6:0.8
tune "$tmp/lo.wav" brass A4:0.27 A4:0.27 C5:0.13 D5:0.27 E5:0.8
chord "$tmp/ch.wav" 0.8 brass C4 G4 E5
layer "$tmp/a.wav" "$tmp/m.wav@0" "$tmp/lo.wav@0@0.5" "$tmp/ch.wav@1.21@0.6"
fx "$tmp/a.wav" "$tmp/b.wav" pad 0 0.3 reverb 30 50 60
finish "$tmp/b.wav" Victory

# Wow: an amazed "wow!" that swoops up and down.
speak "$tmp/a.wav" en-us+m3 60 120 "Wow!"
fx "$tmp/a.wav" "$tmp/b.wav" tempo -s 0.8 bend -f 80 0.05,450,0.15 0,-350,0.2 reverb 15 50 30
finish "$tmp/b.wav" Wow

# Yeehaa: a whooping cowboy "yee-haw!" echoing off the canyon walls.
speak "$tmp/a.wav" en-us+m1 75 170 "Yee-haw!"
fx "$tmp/a.wav" "$tmp/b.wav" bend -f 80 0,300,0.15 pad 0 0.4 echo 0.8 0.7 300 0.35 600 0.15
finish "$tmp/b.wav" Yeehaa

# Yes: a bright, pleased "Yes!".
speak "$tmp/a.wav" en-us+f3 75 160 "Yes!"
fx "$tmp/a.wav" "$tmp/b.wav" reverb 15 50 30
finish "$tmp/b.wav" Yes

# ---------------------------------------------------------------- check ---

if [[ -x $here/check-sounds.sh ]]; then
  "$here/check-sounds.sh" "$outdir"
else
  echo "make-sounds: check-sounds.sh not found next to this script; files not checked" >&2
fi
