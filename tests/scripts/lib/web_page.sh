# The browser tests' shared start: source it after start_test. build_web_page
# builds the page (scripts/web, without the tunes); then $root is the
# checkout and $site the page's folder. serve_web_page builds it and serves
# it on 127.0.0.1 at port $port, which ends with the test.
build_web_page() {
  need_tool python3 emcc
  root="$(cd "$scripts_dir/../.." && pwd)"
  [[ "$assets" != "$work/assets" ]] || fail "the program's assets are not made yet"
  "$root/scripts/web" --native-build "$(dirname "$bin")" --no-tunes > "$work/web.log" 2>&1 ||
    fail "scripts/web failed: $(tail -5 "$work/web.log")"
  site="$(tail -1 "$work/web.log")"
  [[ -f "$site/index.html" && -f "$site/velmorane.wasm" ]] || fail "scripts/web made no page in '$site'"
}

serve_web_page() {
  need_tool chromium
  build_web_page
  port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
  python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" > "$work/server.log" 2>&1 &
  web_server=$!
  trap 'kill "$web_server" 2>/dev/null; rm -rf "$work"' EXIT
  for _ in $(seq 1 50); do
    python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/index.html')" 2>/dev/null && return
    sleep 0.1
  done
  fail "the page's server did not answer on port $port: $(tail -3 "$work/server.log")"
}
