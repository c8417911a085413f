#!/usr/bin/env bash
# Synthesises the schedule's alarm, a three-note chime, into
# src/schedule/sound/Avviso.mp3. A developer step, run once: the MP3 is kept in
# the repository and the build only copies it. Needs Debian's sox,
# libsox-fmt-mp3 and lame (apt-get install sox libsox-fmt-mp3 lame).
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One bell-like note: a fundamental with a softer octave above, struck and
# fading out. Arguments: output, frequency in Hz, start in seconds.
note() {
    sox -n -r 44100 -c 1 "$work/f.wav" synth 1.1 sine "$2" fade l 0.004 1.1 1.05
    sox -n -r 44100 -c 1 "$work/o.wav" synth 1.1 sine "$(awk "BEGIN { print $2 * 2 }")" fade l 0.004 0.6 0.58
    sox -m -v 0.7 "$work/f.wav" -v 0.25 "$work/o.wav" "$work/n.wav"
    sox "$work/n.wav" "$1" pad "$3" 0
}

note "$work/1.wav" 1318.51 0.00  # E6
note "$work/2.wav" 1046.50 0.28  # C6
note "$work/3.wav" 1567.98 0.56  # G6
sox -m "$work/1.wav" "$work/2.wav" "$work/3.wav" "$work/chime.wav" gain -n -3 fade t 0 -0 0.25
lame --quiet -m m -b 64 --resample 44.1 --noreplaygain "$work/chime.wav" src/schedule/sound/Avviso.mp3
echo "wrote src/schedule/sound/Avviso.mp3 ($(stat -c %s src/schedule/sound/Avviso.mp3) bytes)"
