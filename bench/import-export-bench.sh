#!/usr/bin/env bash
# Growth of the student import and the grade-list export with the class
# size: `ruvek-cli import-schueler` of N lines into a one-student class and
# `ruvek-cli fdb-export` of an N-student class (every subject list), for
# N = 3,000 and 30,000. Prints the best of three runs and the exponent
# log(t30000 / t3000) / log(10); linear work gives about 1.
#
#   bench/import-export-bench.sh BUILD_DIR [WORK_DIR]
set -euo pipefail
BUILD="${1:?Aufruf: import-export-bench.sh BUILD_DIR [WORK_DIR]}"
WORK="${2:-$(mktemp -d)}"
mkdir -p "$WORK"
CLI="$BUILD/bin/ruvek-cli"
MAKE="$BUILD/devtools/bench_make_large_class"

best_of_three() { # command... ; prints the shortest elapsed time in seconds
  local best=""
  for _ in 1 2 3; do
    local start end t
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then best=$t; fi
  done
  printf '%.3f' "$best"
}

import_run() { # N
  cp "$WORK/one.RVK" "$WORK/import.RVK"
  rm -rf "$WORK/Sicherungen" "$WORK"/import.\$KL
  "$CLI" import-schueler "$WORK/import.RVK" "$WORK/students-$1.txt"
}

export_run() { # N
  rm -rf "$WORK/out-$1"
  mkdir -p "$WORK/out-$1"
  "$CLI" fdb-export "$WORK/class-$1.RVK" -o "$WORK/out-$1"
}

"$MAKE" "$WORK/one.RVK" 1 >/dev/null
declare -A import_t export_t
for n in 3000 30000; do
  awk -v n="$n" 'BEGIN { for (i = 0; i < n; ++i) printf "Müller-%d;Anna;%02d.%02d.2011;;1;9b\r\n", i, i % 28 + 1, i % 12 + 1 }' \
    > "$WORK/students-$n.txt"
  "$MAKE" "$WORK/class-$n.RVK" "$n" >/dev/null
  import_t[$n]=$(best_of_three import_run "$n")
  export_t[$n]=$(best_of_three export_run "$n")
  echo "N=$n: import-schueler ${import_t[$n]} s, fdb-export ${export_t[$n]} s"
done
exponent() { echo "l($2 / $1) / l(10)" | bc -l; }
printf 'Exponent import-schueler: %.2f\n' "$(exponent "${import_t[3000]}" "${import_t[30000]}")"
printf 'Exponent fdb-export:      %.2f\n' "$(exponent "${export_t[3000]}" "${export_t[30000]}")"
