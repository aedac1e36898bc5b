#!/usr/bin/env bash
# Checks the Wordrow sound set before it goes into the game: every expected
# file is there, all in one format (22050 Hz mono 16-bit PCM), 0.2-3 s long,
# peak-normalised alike, starting softly and ending in silence (the Qt audio
# path drops the last ~150 ms, so that tail must hold nothing).
#
# Usage: check-sounds.sh [WAVDIR] [PNGDIR]
#   WAVDIR  the generated .wav files (default: assets/sounds of this repository)
#   PNGDIR  if given, a spectrogram of each sound is written there too
# Prints a table and exits non-zero if any sound fails.
set -euo pipefail

dir=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/assets/sounds}
pngdir=${2:-}
RATE=22050
MIN_SECS=0.2
MAX_SECS=3.0
MAX_PEAK_SPREAD_DB=0.5
HEAD_MAX_DB=-15   # peak of the first 0.5 ms: a fade-in keeps it low
TAIL_MAX_DB=-60   # peak of the last 0.14 s: the padding must be silent

loss=(Laser Boing cy-excla db_exitw Descend Doink Drumroll hc_restd hc_scrm2
  Yaaa Mcitest No Ooo PE_Excla PE_Ringl Snd164 Sound108 Sound181 Sound20
  Sound240 Sound999)
win=(Musica BD9993 BD9995 Bugle Clap Crowdbig db_start Drums Happy PE_Quest
  Ratatat Rec Sound24 Sound560 Tada Tw08 Victory Wow Yeehaa Yes)

command -v sox >/dev/null || { echo "check-sounds: needs sox" >&2; exit 1; }
[[ -z $pngdir ]] || mkdir -p "$pngdir"

# pk FILE [EFFECT...]   peak level in dBFS (sox prints -inf for silence)
pk() { local f=$1; shift; sox "$f" -n "$@" stats 2>&1 | awk '/^Pk lev dB/ { print $4 }'; }

fail=0
peaks=()
printf '%-10s %-5s %7s %8s %8s  %s\n' name table seconds "peak dB" "RMS dB" result
for name in "${loss[@]}" "${win[@]}"; do
  table=win
  [[ " ${loss[*]} " == *" $name "* ]] && table=loss
  f=$dir/$name.wav
  if [[ ! -f $f ]]; then
    printf '%-10s %-5s %7s %8s %8s  %s\n' "$name" "$table" - - - "FAIL missing"
    fail=1
    continue
  fi

  problems=()
  secs=$(soxi -D "$f")
  [[ $(soxi -r "$f") == "$RATE" ]] || problems+=("rate $(soxi -r "$f")")
  [[ $(soxi -c "$f") == 1 ]] || problems+=("channels $(soxi -c "$f")")
  [[ $(soxi -b "$f") == 16 ]] || problems+=("bits $(soxi -b "$f")")
  [[ $(soxi -e "$f") == "Signed Integer PCM" ]] || problems+=("encoding $(soxi -e "$f")")
  awk -v s="$secs" -v lo="$MIN_SECS" -v hi="$MAX_SECS" 'BEGIN { exit !(s >= lo && s <= hi) }' ||
    problems+=("length")

  stats=$(sox "$f" -n stats 2>&1)
  peak=$(awk '/^Pk lev dB/ { print $4 }' <<<"$stats")
  rms=$(awk '/^RMS lev dB/ { print $4 }' <<<"$stats")
  peaks+=("$peak")

  head=$(pk "$f" trim 0 0.0005)
  tail=$(pk "$f" reverse trim 0 0.14)
  awk -v p="$head" -v m="$HEAD_MAX_DB" 'BEGIN { exit !(p == "-inf" || p <= m) }' ||
    problems+=("loud start ${head} dB")
  awk -v p="$tail" -v m="$TAIL_MAX_DB" 'BEGIN { exit !(p == "-inf" || p <= m) }' ||
    problems+=("tail not silent ${tail} dB")

  result=ok
  if ((${#problems[@]})); then
    result="FAIL ${problems[*]}"
    fail=1
  fi
  printf '%-10s %-5s %7.3f %8s %8s  %s\n' "$name" "$table" "$secs" "$peak" "$rms" "$result"

  if [[ -n $pngdir ]]; then
    sox "$f" -n spectrogram -t "$name.wav" -x 600 -y 257 -o "$pngdir/$name.png"
  fi
done

# All peaks must sit together, or some sounds would jump out louder than others.
if ((${#peaks[@]})); then
  spread=$(printf '%s\n' "${peaks[@]}" | awk '
    NR == 1 { lo = hi = $1 } { if ($1 < lo) lo = $1; if ($1 > hi) hi = $1 }
    END { printf "%.2f", hi - lo }')
  echo "peak spread: ${spread} dB (limit ${MAX_PEAK_SPREAD_DB})"
  awk -v s="$spread" -v m="$MAX_PEAK_SPREAD_DB" 'BEGIN { exit !(s <= m) }' || {
    echo "FAIL: peaks differ by more than ${MAX_PEAK_SPREAD_DB} dB"
    fail=1
  }
fi

# Stray files would be copied into the game along with the rest.
for f in "$dir"/*; do
  base=$(basename "$f" .wav)
  [[ " ${loss[*]} ${win[*]} " == *" $base "* && $f == *.wav ]] || {
    echo "FAIL: unexpected file $f"
    fail=1
  }
done

echo "total size: $(du -cb "$dir"/*.wav | awk 'END { printf "%.0f KiB", $1 / 1024 }')"
if ((fail)); then
  echo "check-sounds: FAILED"
  exit 1
fi
echo "check-sounds: all $((${#loss[@]} + ${#win[@]})) sounds ok"
