#!/bin/sh
# Renders every tune of an asset folder with FluidSynth and reports its
# sounding length, peak and loudness, so a changed melody can be heard and
# checked without the game. Fails when a tune is silent or clips.
# Usage: tools/check-tunes.sh BUILD/assets [OUT-FOLDER]
set -eu
assets=${1:?usage: check-tunes.sh ASSET-FOLDER [OUT-FOLDER]}
out=${2:-$(mktemp -d)}
font=/usr/share/sounds/sf2/TimGM6mb.sf2
mkdir -p "$out"
status=0
printf '%-12s %8s %8s %8s\n' tune seconds peak rms
for tune in "$assets"/*.mid; do
    name=$(basename "$tune" .mid)
    fluidsynth -ni -g 0.6 -r 44100 -F "$out/$name.wav" "$font" "$tune" >/dev/null 2>&1
    stats=$(sox "$out/$name.wav" -n stat 2>&1)
    length=$(echo "$stats" | awk '/^Length/ {print $NF}')
    peak=$(echo "$stats" | awk '/^Maximum amplitude/ {print $NF}')
    rms=$(echo "$stats" | awk '/^RMS +amplitude/ {print $NF}')
    printf '%-12s %8.1f %8.3f %8.3f\n' "$name" "$length" "$peak" "$rms"
    if awk -v p="$peak" 'BEGIN { exit !(p >= 0.99 || p < 0.05) }'; then
        echo "  $name is silent or clips" >&2
        status=1
    fi
done
echo "renderings in $out"
exit $status
