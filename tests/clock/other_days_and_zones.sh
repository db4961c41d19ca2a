#!/usr/bin/env bash
# Runs test programs on two far-apart days, each a minute before midnight,
# and in the time zones furthest ahead of UTC and furthest behind it, so that
# no test passes only on the day, at the hour or in the zone it was written in.
# Usage: other_days_and_zones.sh PROGRAM...
set -uo pipefail
command -v faketime >/dev/null || { echo "FAIL: faketime is not installed (scripts/setup installs it)"; exit 1; }
# faketime's library is loaded before AddressSanitizer's, which then would
# refuse to start.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
# Only the clock moves: the times of files stay as written, as a test set
# them (faketime would shift what stat reads, but not what utime writes).
export NO_FAKE_STAT=1
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
failed=0
check() {  # WHEN COMMAND...: runs COMMAND, says WHEN it failed
  local when="$1"
  shift
  if ! "$@" --gtest_brief=1 > "$log" 2>&1; then
    cat "$log"
    echo "FAIL: $(basename "${@: -1}") $when"
    failed=1
  fi
}
for program in "$@"; do
  check "on 2001-03-04 at 23:59" faketime '2001-03-04 23:59:00' "$program"
  check "on 2096-02-29 at 23:59" faketime '2096-02-29 23:59:00' "$program"
  check "in Pacific/Kiritimati (UTC+14)" env TZ=Pacific/Kiritimati "$program"
  check "in America/Adak (UTC-10)" env TZ=America/Adak "$program"
done
exit "$failed"
