#!/usr/bin/env bash
# On a machine where every package is installed, scripts/install-deps.sh must stay off the
# package archive: exit 0, print nothing and never run apt-get (a stand-in first on PATH
# records any call), so ./run.sh and ./test.sh start at once without a network.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for tool in apt-get apt sudo; do
  printf '#!/bin/sh\necho "%s $*" >>"%s/calls"\nexit 1\n' "$tool" "$work" >"$work/$tool"
  chmod +x "$work/$tool"
done

status=0
PATH="$work:$PATH" scripts/install-deps.sh >"$work/out" 2>&1 || status=$?
failed=0
if [ "$status" -ne 0 ]; then
  echo "FAIL: install-deps.sh exited $status" >&2
  failed=1
fi
if [ -s "$work/out" ]; then
  echo "FAIL: install-deps.sh printed:" >&2
  cat "$work/out" >&2
  failed=1
fi
if [ -e "$work/calls" ]; then
  echo "FAIL: install-deps.sh called:" >&2
  cat "$work/calls" >&2
  failed=1
fi
[ "$failed" -eq 0 ] && echo "install-deps.sh: nothing to install, no call to apt"
exit "$failed"
