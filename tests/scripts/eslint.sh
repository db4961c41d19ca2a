#!/usr/bin/env bash
# The page's scripts (web/) pass ESLint, as eslint.config.js sets it up, with
# the version package-lock.json pins (scripts/setup installs it).
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool node
root="$(cd "$scripts_dir/../.." && pwd)"
eslint="$root/node_modules/.bin/eslint"
[[ -x "$eslint" ]] || fail "ESLint is not installed in node_modules (scripts/setup installs it)"
(cd "$root" && "$eslint" --max-warnings 0 web) > "$work/eslint.log" 2>&1 ||
  fail "ESLint finds faults in web/: $(head -30 "$work/eslint.log")"
echo "the page's scripts pass ESLint"
