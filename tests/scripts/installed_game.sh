#!/usr/bin/env bash
# Installs the build into a scratch prefix and starts the installed program
# from another folder: it finds its own assets, and a replay ends in the same
# state as with the program of the build tree. The menu entry, the icon, the
# metadata and the manual page are where desktops and man look for them.
# Usage: installed_game.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool cmake identify
export SDL_AUDIODRIVER=dummy
build="$(dirname "$bin")"
[[ -f "$build/assets/ChrImage.bmp" ]] || fail "the build has no assets to install"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.txt" || fail "cmake --install failed"
installed="$prefix/bin/velmorane"
[[ -x "$installed" ]] || fail "no program in bin/"
for f in ChrImage.bmp Chr2Image.bmp TitleImage.bmp Title.mid START.mid BGM10.mid jump1.wav; do
  [[ -f "$prefix/share/velmorane/assets/$f" ]] || fail "$f is not installed"
done
desktop="$prefix/share/applications/velmorane.desktop"
grep -qx 'Exec=velmorane' "$desktop" || fail "the menu entry does not start velmorane"
grep -qx 'Icon=velmorane' "$desktop" || fail "the menu entry names no icon"
icon="$prefix/share/icons/hicolor/64x64/apps/velmorane.png"
[[ "$(identify -format '%m %wx%h' "$icon")" == "PNG 64x64" ]] || fail "the icon is not a 64 x 64 PNG"
[[ -f "$prefix/share/man/man6/velmorane.6" ]] || fail "the manual page is not installed"
[[ -f "$prefix/share/metainfo/org.velmorane.velmorane.metainfo.xml" ]] || fail "the AppStream metadata is not installed"

printf 'velmorane-replay 1\nseed 77\nwait 300\nkey down Enter\nwait 200\nkey up Enter\nwait 3000\n' > "$work/play.txt"
printf 'key down Right\nwait 500\nkey up Right\nwait 500\n' >> "$work/play.txt"
mkdir -p "$work/elsewhere"
(cd "$work/elsewhere" && "$installed" --headless --replay "$work/play.txt" --dump-state > "$work/installed.txt") ||
  fail "the installed program did not run from another folder"
"$bin" --headless --replay "$work/play.txt" --assets "$build/assets" --dump-state > "$work/built.txt"
grep -qx 'Timer1 on 50' "$work/installed.txt" || fail "the installed program did not start the game"
diff "$work/built.txt" "$work/installed.txt" || fail "the installed program ends in another state"
echo "installed game runs"
