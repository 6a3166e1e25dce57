#!/usr/bin/env bash
# Installs what is missing, builds the suite and starts one program:
#   ./run.sh [calculations|sendrik|scarrow] [program arguments...]
set -euo pipefail
cd "$(dirname "$0")"

program=${1:-calculations}
[ $# -gt 0 ] && shift
case "$program" in
  calculations|sendrik|scarrow) ;;
  *) echo "usage: ./run.sh [calculations|sendrik|scarrow] [arguments...]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target "$program"
exec "build/bin/$program" "$@"
