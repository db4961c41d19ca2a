#!/usr/bin/env bash
# The host layer's tests of the file formats and of the rules for keys, pads
# and timers pass in WebAssembly too, where size_t has 32 bits, and so do the
# page layer's own tests: built with Emscripten from Debian's GoogleTest
# sources into the browser build's folder and run under Node.js.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool emcmake node
root="$(cd "$scripts_dir/../.." && pwd)"
[[ -d /usr/src/googletest/googletest ]] || fail "GoogleTest's sources are not installed (Debian package googletest; scripts/setup installs it)"

# Debian's Emscripten finds its optimizer's parser among Debian's node modules.
export NODE_PATH=/usr/share/nodejs
wasm="$root/build/web-wasm"
emcmake cmake -S "$root" -B "$wasm" -DCMAKE_BUILD_TYPE=Release > "$work/configure.log" 2>&1 ||
  fail "the WebAssembly build cannot be configured: $(tail -5 "$work/configure.log")"
cmake --build "$wasm" -j "$(nproc)" --target velmorane-wasm-tests > "$work/build.log" 2>&1 ||
  fail "the WebAssembly tests do not build: $(grep -m5 error "$work/build.log")"
# This Emscripten's script loads its WebAssembly with fetch when there is
# one, which Node.js's fetch cannot do for a file; without it, it reads the file.
(cd "$wasm" && node --no-experimental-fetch velmorane-wasm-tests.cjs --gtest_brief=1) > "$work/run.log" 2>&1 ||
  fail "the tests fail in WebAssembly: $(grep -v '^var Module' "$work/run.log" | cut -c1-300 | tail -15)"
grep -E '^\[  PASSED  \] [0-9]+ tests' "$work/run.log"
echo "the host and page tests pass in WebAssembly"
