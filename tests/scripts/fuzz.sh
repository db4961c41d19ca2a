#!/usr/bin/env bash
# Fuzzes every file format the game itself reads (sheets, tunes, replays),
# the race's messages from the network and the command line with libFuzzer
# under AddressSanitizer and UndefinedBehaviorSanitizer, for FUZZ_SECONDS
# (20) each. The targets are
# built with clang++ straight from the sources, beside the program's build.
# A crash leaves its input in the build's fuzz/ folder and fails the test.
# Usage: fuzz.sh <velmorane> <asset-dir>
set -euo pipefail
bin="$1"
assets="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="$(cd "$(dirname "$bin")" && pwd)/fuzz"
seconds="${FUZZ_SECONDS:-20}"
mkdir -p "$out/obj"

command -v clang++ >/dev/null || { echo "FAIL: clang++ is not installed (scripts/setup installs it)"; exit 1; }
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -I"$root/src")
sanitize=(-fsanitize=address,undefined -fno-sanitize-recover=undefined)

# Every layer without SDL (the game and the host), compiled once for all
# targets; a source is compiled again when it or any header is newer.
newest_header="$(find "$root/src" -name '*.h' -printf '%T@\n' | sort -n | tail -1)"
sources=()
while IFS= read -r f; do sources+=("$f"); done < <(
  find "$root/src/base" "$root/src/state" "$root/src/drawing" "$root/src/stages" "$root/src/play" "$root/src/screens" \
    "$root/src/game" "$root/src/host" -name '*.cpp')
compile() {
  local src="$1" obj="$out/obj/$(echo "${1#$root/}" | tr / _).o"
  if [[ -f "$obj" && "$obj" -nt "$src" ]] &&
    awk -v a="$(stat -c %Y "$obj")" -v b="$newest_header" 'BEGIN { exit !(a >= b) }'; then
    return 0
  fi
  clang++ "${flags[@]}" "${sanitize[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
}
export -f compile
export root out newest_header
export flags_text="${flags[*]}" sanitize_text="${sanitize[*]}"
for src in "${sources[@]}"; do echo "$src"; done |
  xargs -P "$(nproc)" -I{} bash -c 'flags=($flags_text); sanitize=($sanitize_text); compile "$1"' _ {}
# Only the objects of today's sources: one left from a source since moved
# would bring an old shape of its types along.
objects=()
for src in "${sources[@]}"; do objects+=("$out/obj/$(echo "${src#$root/}" | tr / _).o"); done
rm -f "$out/libcore.a"
ar rcs "$out/libcore.a" "${objects[@]}"

# Seeds: the real sheets and tunes, the scenario replays, a few command lines.
seeds="$out/seeds"
rm -rf "$seeds"
mkdir -p "$seeds"/{bmp,midi,replay,args,race}
cp "$assets"/*.bmp "$seeds/bmp/" 2>/dev/null || true
cp "$assets"/*.mid "$seeds/midi/" 2>/dev/null || true
cp "$root"/tests/replays/*.replay "$seeds/replay/" 2>/dev/null || true
printf 'velmorane-replay 1\nseed 5\nwait 300\nkey down Enter\nkey up Enter\ntick Timer1\nslider speed 40\nmenu pause\nactivate\n' \
  > "$seeds/replay/basic"
printf -- '%s\0' --headless --replay x.replay --dump-state --seed 123 --stage 10 > "$seeds/args/headless"
printf -- '%s\0' --print-stage duo --seed 4294967295 > "$seeds/args/print"
printf 'VR\006\000\003\000\000\000\002\000\000\000\002\002\001C\002Z\000' > "$seeds/race/input"
printf 'VR\001\001\000\001\000\0051.2.3' > "$seeds/race/hello"
printf 'host.example:17717' > "$seeds/race/address"

status=0
run() {
  local name="$1" corpus="$2"
  clang++ "${flags[@]}" "${sanitize[@]}" -fsanitize=fuzzer "$here/../fuzz/$name.cpp" "$out/libcore.a" -o "$out/$name"
  mkdir -p "$out/corpus/$name" "$out/crashes"
  echo "== $name for ${seconds}s"
  if ! "$out/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/crashes/$name-" "$out/corpus/$name" "$seeds/$corpus" 2> "$out/$name.log"; then
    tail -40 "$out/$name.log"
    echo "FAIL: $name found a crash; the input is in $out/crashes/"
    status=1
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$out/$name.log" | sed "s/^/$name /"
}
run FuzzReplay replay
run FuzzBmp bmp
run FuzzMidiLength midi
run FuzzCommandLine args
run FuzzRaceMessages race
[[ "$status" == 0 ]] && echo "fuzz test passed"
exit "$status"
