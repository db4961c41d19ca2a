#!/usr/bin/env bash
# The page's scripts and the game agree on what they share, and the game's
# exported functions check every number the page hands them: the built
# page's WebAssembly run under Node.js (tests/scripts/lib/page_calls.mjs).
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
source "$scripts_dir/lib/web_page.sh"
need_tool node
build_web_page
# This Emscripten's script loads its WebAssembly with fetch when there is
# one; the check hands it the bytes itself.
node --no-experimental-fetch "$scripts_dir/lib/page_calls.mjs" "$site" "$root/web" > "$work/calls.log" 2>&1 ||
  fail "$(head -20 "$work/calls.log")"
cat "$work/calls.log"
