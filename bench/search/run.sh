#!/usr/bin/env bash
# Times `scarrow search`, the program as the user starts it, against GNU grep and ripgrep on
# one thread, over a generated corpus of G-code programs (256 MB, about 2500 files, fixed
# seed), the file cache warm. The runs of the tools are interleaved, so a busy machine
# slows them alike; the figures are medians of wall-clock and CPU (user + system) time.
#
#   bench/search/run.sh [BUILD_DIR] [CORPUS_DIR]      (RUNS=7 by default)
#
# The corpus is generated on the first run (CORPUS_DIR, default /tmp/scarrow-bench-corpus).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
corpus=${2:-${TMPDIR:-/tmp}/scarrow-bench-corpus}
runs=${RUNS:-7}
w1=G83
w2=T17

gen=$build/bin/scarrow-gen-corpus
engine=$build/bin/scarrow
for tool in "$gen" "$engine"; do
  [ -x "$tool" ] || { echo "missing $tool: build first (cmake --build $build)" >&2; exit 2; }
done
# `scarrow` links no Qt: loading the window libraries would add about 8 ms to every run.
case $(ldd "$engine" 2>/dev/null || true) in
  *libQt*) echo "warning: $engine loads Qt; \`scarrow search\` should not" >&2 ;;
esac
for tool in grep rg; do
  command -v $tool >/dev/null || { echo "missing $tool (scripts/install-deps.sh)" >&2; exit 2; }
done
if [ ! -f "$corpus.complete" ]; then
  rm -rf "$corpus"
  "$gen" "$corpus" 256 1
  touch "$corpus.complete"
fi

names=("scarrow any-word" "scarrow all-words" "scarrow --occurrences" "grep -r -c -i -F"
       "rg -j1 --count-matches -i -F")
run() {
  case $1 in
    0) "$engine" search --any "$corpus" $w1 $w2 ;;
    1) "$engine" search "$corpus" $w1 $w2 ;;
    2) "$engine" search --any --occurrences "$corpus" $w1 $w2 ;;
    3) grep -r -c -i -F -e $w1 -e $w2 "$corpus" ;;
    4) rg -j1 --count-matches -i -F -e $w1 -e $w2 "$corpus" ;;
  esac
}

cat "$corpus"/*/* >/dev/null
tools="0 1 2 3 4"
for i in $tools; do run $i >/dev/null || true; done  # warm up

results=$(mktemp)
trap 'rm -f "$results"' EXIT
TIMEFORMAT='%3R %3U %3S'
for ((r = 0; r < runs; r++)); do
  for i in $tools; do
    t=$( { time run $i >/dev/null 2>&1 || true; } 2>&1 )
    echo "$i $t" >>"$results"
  done
done

median() {  # column of the results for tool $1: 2 wall, 0 cpu
  awk -v i="$1" -v c="$2" '$1 == i { print (c == 0 ? $3 + $4 : $c) }' "$results" |
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

echo "corpus: $corpus ($(du -sh --apparent-size "$corpus" | cut -f1), $(find "$corpus" -type f | wc -l) files)"
echo "engine: $engine; words: $w1 $w2, ignoring case; $runs runs; load: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-30s %9s %9s\n' "" "wall s" "cpu s"
declare -a wall cpu
for i in $tools; do
  wall[$i]=$(median $i 2)
  cpu[$i]=$(median $i 0)
  printf '%-30s %9.3f %9.3f\n' "${names[$i]}" "${wall[$i]}" "${cpu[$i]}"
done
echo
printf '%-30s %12s %12s %12s %12s\n' "" "wall/grep" "cpu/grep" "wall/rg" "cpu/rg"
for i in 0 1 2; do
  awk -v n="${names[$i]}" -v w="${wall[$i]}" -v c="${cpu[$i]}" -v gw="${wall[3]}" -v gc="${cpu[3]}" \
      -v rw="${wall[4]}" -v rc="${cpu[4]}" \
      'BEGIN { printf "%-30s %12.2f %12.2f %12.2f %12.2f\n", n, w / gw, c / gc, w / rw, c / rc }'
done
echo "target: no slower than grep (ratio <= 1.00), within 1.5 times rg (ratio <= 1.50)"
