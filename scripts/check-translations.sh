#!/usr/bin/env bash
# Fails when a text of the sources has no finished translation in a .ts file:
#   check-translations.sh LUPDATE LRELEASE SOURCE-LIST TS...
# Each .ts file is brought up to date with the sources in a scratch copy (so a text added
# without running lupdate counts too), then compiled; lrelease must report every text
# finished.
set -euo pipefail
lupdate=$1 lrelease=$2 list=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none "@$list" -ts "$copy" >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log"; exit 1; }
  report=$("$lrelease" "$copy" -qm "$work/out.qm" 2>&1)
  echo "$(basename "$ts"): $report"
  if ! grep -Eq '\(([0-9]+) finished and 0 unfinished\)' <<<"$report" ||
     grep -q 'untranslated' <<<"$report"; then
    echo "FAIL: $(basename "$ts") has texts without a finished translation:" >&2
    grep -B1 -A2 'type="unfinished"' "$copy" | grep -E '<source>|<translation' >&2 || true
    status=1
  fi
done
exit $status
