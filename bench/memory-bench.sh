#!/usr/bin/env bash
# Peak memory of the commands that work through a whole class, against the
# memory `ruvek-cli show` needs to hold the class at all: `pruefen` and
# `pdf` of a class of N students (default 30,000; two-page certificates),
# measured with /usr/bin/time -v (maximum resident set size). Prints each
# peak and its ratio to `show`. The PDF of 30,000 students has 60,000 pages
# and takes a minute or more.
#
#   bench/memory-bench.sh BUILD_DIR [WORK_DIR] [N]
set -euo pipefail
BUILD="${1:?Aufruf: memory-bench.sh BUILD_DIR [WORK_DIR] [N]}"
WORK="${2:-$(mktemp -d)}"
N="${3:-30000}"
mkdir -p "$WORK"
CLI="$BUILD/bin/ruvek-cli"
export QT_QPA_PLATFORM=offscreen
"$BUILD/devtools/bench_make_print_class" "$WORK/klasse.RVK" "$N"

peak_kb() { # command... ; prints the maximum resident set size in KB
  /usr/bin/time -v -o "$WORK/time" "$@" >/dev/null 2>&1 || true
  awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$WORK/time"
}
show=$(peak_kb "$CLI" show "$WORK/klasse.RVK")
pruefen=$(peak_kb "$CLI" pruefen "$WORK/klasse.RVK")
pdf=$(peak_kb "$CLI" pdf "$WORK/klasse.RVK" -o "$WORK/klasse.pdf")
ratio() { echo "$1 / $show" | bc -l; }
echo "$N Schüler, Klassendatei $(($(stat -c %s "$WORK/klasse.RVK") / 1048576)) MB"
printf 'show     %5d MB\n' $((show / 1024))
printf 'pruefen  %5d MB  %.2f × show\n' $((pruefen / 1024)) "$(ratio "$pruefen")"
printf 'pdf      %5d MB  %.2f × show\n' $((pdf / 1024)) "$(ratio "$pdf")"
