#!/usr/bin/env bash
# Times `scarrow search`, the program as the user starts it, against GNU grep, ripgrep on
# one thread (-j1) and ripgrep as people run it (every core), over a generated corpus of
# G-code programs (256 MB, about 2500 files, fixed seed), the file cache warm; then the
# same with every tool held to the first processor (taskset -c 0), where scarrow and
# ripgrep each search on one thread. Any word and all words; grep and ripgrep look for
# any word either way (they have no all-words mode; their work is the same whole-file
# scan). One round runs every command once, in turn (each round starting one command
# later), so a busy machine slows them alike; the ratios are taken round by round and
# given as min and median, with the medians of wall-clock and CPU (user + system) time.
# Last, when it is built, the window's search against the command line's
# (scarrow-window-bench).
#
#   bench/search/run.sh [BUILD_DIR] [CORPUS_DIR]      (RUNS=11, WINDOW=1 by default)
#
# The corpus is generated on the first run (CORPUS_DIR, default /tmp/scarrow-bench-corpus).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
corpus=${2:-${TMPDIR:-/tmp}/scarrow-bench-corpus}
runs=${RUNS:-11}
w1=T12
w2=G83

gen=$build/bin/scarrow-gen-corpus
engine=$build/bin/scarrow
for tool in "$gen" "$engine"; do
  [ -x "$tool" ] || { echo "missing $tool: build first (cmake --build $build)" >&2; exit 2; }
done
# `scarrow` links no Qt: loading the window libraries would add about 8 ms to every run.
case $(ldd "$engine" 2>/dev/null || true) in
  *libQt*) echo "warning: $engine loads Qt; \`scarrow search\` should not" >&2 ;;
esac
for tool in grep rg taskset; do
  command -v $tool >/dev/null || { echo "missing $tool (scripts/install-deps.sh)" >&2; exit 2; }
done
if [ ! -f "$corpus.complete" ]; then
  rm -rf "$corpus"
  "$gen" "$corpus" 256 1
  touch "$corpus.complete"
fi

pin="taskset -c 0"
names=("scarrow --any" "scarrow (all words)" "scarrow --any --occurrences" "grep -r -c -i -F"
       "rg -j1 --count-matches -i -F" "rg --count-matches -i -F"
       "1 cpu: scarrow --any" "1 cpu: scarrow (all words)" "1 cpu: grep -r -c -i -F"
       "1 cpu: rg --count-matches -i -F")
run() {
  case $1 in
    0) "$engine" search --any "$corpus" $w1 $w2 ;;
    1) "$engine" search "$corpus" $w1 $w2 ;;
    2) "$engine" search --any --occurrences "$corpus" $w1 $w2 ;;
    3) grep -r -c -i -F -e $w1 -e $w2 "$corpus" ;;
    4) rg -j1 --count-matches -i -F -e $w1 -e $w2 "$corpus" ;;
    5) rg --count-matches -i -F -e $w1 -e $w2 "$corpus" ;;
    6) $pin "$engine" search --any "$corpus" $w1 $w2 ;;
    7) $pin "$engine" search "$corpus" $w1 $w2 ;;
    8) $pin grep -r -c -i -F -e $w1 -e $w2 "$corpus" ;;
    9) $pin rg --count-matches -i -F -e $w1 -e $w2 "$corpus" ;;
  esac
}
tools="0 1 2 3 4 5 6 7 8 9"

# The output is today's whatever the number of threads.
if ! cmp -s <("$engine" search --any --occurrences -j 1 "$corpus" $w1 $w2) <(run 2); then
  echo "error: scarrow's output differs between -j 1 and the default" >&2
  exit 1
fi

cat "$corpus"/*/* >/dev/null
for i in $tools; do run $i >/dev/null || true; done  # warm up (the file cache)

results=$(mktemp)
# Not /dev/null: GNU grep stops at the first match of a file when its output goes there.
output=$(mktemp)
trap 'rm -f "$results" "$output"' EXIT
TIMEFORMAT='%3R %3U %3S'
read -r -a order <<<"$tools"
n=${#order[@]}
for ((r = 0; r < runs; r++)); do
  # Each round starts one command later, so none always follows the same one.
  for ((k = 0; k < n; k++)); do
    i=${order[(k + r) % n]}
    t=$( { time run $i >"$output" 2>&1 || true; } 2>&1 )
    echo "$r $i $t" >>"$results"
  done
done

# median COLUMN TOOL: 3 wall, 0 cpu
median() {
  awk -v i="$2" -v c="$1" '$2 == i { print (c == 0 ? $4 + $5 : $c) }' "$results" |
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
# ratios A B: "min median" of A's wall time over B's, round by round
ratios() {
  awk -v a="$1" -v b="$2" '
    $2 == a { ta[$1] = $3 } $2 == b { tb[$1] = $3 }
    END { for (r in ta) if (tb[r] > 0) print ta[r] / tb[r] }' "$results" |
    sort -n | awk '{ v[NR] = $1 } END {
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%5.2f %5.2f", v[1], m }'
}

echo "corpus: $corpus ($(du -sh --apparent-size "$corpus" | cut -f1), $(find "$corpus" -type f | wc -l) files)"
echo "engine: $engine; words: $w1 $w2, ignoring case; $runs rounds; $(nproc) processors;" \
     "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-38s %9s %9s\n' "median" "wall s" "cpu s"
for i in $tools; do
  printf '%-38s %9.3f %9.3f\n' "${names[$i]}" "$(median 3 $i)" "$(median 0 $i)"
done
echo
echo "wall-clock ratios, round by round (min median); no slower is <= 1.00"
printf '%-38s %12s %12s %12s\n' "" "/ grep" "/ rg -j1" "/ rg"
for i in 0 1 2; do
  printf '%-38s %12s %12s %12s\n' "${names[$i]}" "$(ratios $i 3)" "$(ratios $i 4)" "$(ratios $i 5)"
done
for i in 6 7; do
  printf '%-38s %12s %12s %12s\n' "${names[$i]}" "$(ratios $i 8)" "" "$(ratios $i 9)"
done
echo "(1 cpu: every tool under '$pin'; there ripgrep runs one thread, as scarrow does)"

if [ "${WINDOW:-1}" != 0 ] && [ -x "$build/bin/scarrow-window-bench" ]; then
  for mode in --any ""; do
    echo
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/scarrow-window-bench" $mode \
      --runs "$runs" --scarrow "$engine" "$corpus" $w1 $w2 2>/dev/null
  done
fi
