#!/usr/bin/env bash
# Makes the Debian package with scripts/package (a release build of its own
# beside the test build), unpacks it into a scratch folder and checks it:
# the games layout, the menu entry and the AppStream metadata validate, the
# icons have their sizes, the manual page names every option, lintian finds
# no error, and the unpacked program, started from another folder, finds its
# own data and plays a scenario replay to the state kept beside it.
# Usage: debian_package.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian identify
export SDL_AUDIODRIVER=dummy
root="$(cd "$scripts_dir/../.." && pwd)"
replay="$root/tests/replays/walk_and_jump.replay"

"$root/scripts/package" --build "$(dirname "$bin")/deb" --out "$work" > "$work/package.txt" ||
  { tail -20 "$work/package.txt"; fail "scripts/package failed"; }
deb="$(tail -1 "$work/package.txt")"
[[ "$(basename "$deb")" =~ ^velmorane_[0-9.]+_[a-z0-9]+\.deb$ ]] || fail "scripts/package printed '$deb', not a package name"
[[ -f "$deb" ]] || fail "no package at $deb"
[[ "$(ls -A "$work" | grep -v -e '^package.txt$' -e "^$(basename "$deb")$" || true)" == "" ]] ||
  fail "scripts/package left more than the package behind: $(ls -A "$work")"

[[ "$(dpkg-deb -f "$deb" Section)" == games ]] || fail "the package is not in section games"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libsdl2-2.0-0 libfluidsynth3 libenet7 timgm6mb-soundfont fonts-liberation2 fonts-ipafont-gothic; do
  [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done

unpacked="$work/unpacked"
dpkg-deb -x "$deb" "$unpacked"
for f in usr/games/velmorane usr/share/games/velmorane/ChrImage.bmp usr/share/games/velmorane/BGM10.mid \
  usr/share/games/velmorane/jump1.wav usr/share/man/man6/velmorane.6.gz usr/share/doc/velmorane/copyright \
  usr/share/doc/velmorane/changelog.gz; do
  [[ -f "$unpacked/$f" ]] || fail "the package has no /$f"
done
for size in 16 32 48 64 128 256; do
  icon="$unpacked/usr/share/icons/hicolor/${size}x${size}/apps/velmorane.png"
  [[ "$(identify -format '%m %wx%h' "$icon" 2>/dev/null)" == "PNG ${size}x${size}" ]] ||
    fail "no ${size} x ${size} PNG icon in the package"
done

desktop-file-validate "$unpacked/usr/share/applications/velmorane.desktop" || fail "the menu entry does not validate"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml || fail "the AppStream metadata does not validate"

man_text="$(zcat "$unpacked/usr/share/man/man6/velmorane.6.gz" | sed 's/\\-/-/g')"
for option in $("$bin" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -q -- "$option" <<< "$man_text" || fail "the manual page does not name $option"
done

lintian --fail-on error "$deb" > "$work/lintian.txt" 2>&1 || { cat "$work/lintian.txt"; fail "lintian finds errors"; }

mkdir -p "$work/elsewhere"
(cd "$work/elsewhere" && "$unpacked/usr/games/velmorane" --headless --replay "$replay" --dump-state > "$work/state.txt") ||
  fail "the unpacked program did not run from another folder"
diff "$work/state.txt" "${replay%.replay}.state" || fail "the unpacked program ends in another state"
echo "the package installs a game that runs"
