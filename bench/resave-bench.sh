#!/usr/bin/env bash
# Speed of reading and writing class files: `ruvek-cli resave` on a
# 20,000-record class file (about 120 MB) against plain tools moving the
# same bytes durably: two copies with `dd conv=fsync` (resave writes the
# backup copy and the new file, each flushed to disk). Runs the two in turn,
# three times each, and prints the best of each and their ratio.
#
#   bench/resave-bench.sh BUILD_DIR [WORK_DIR]
set -euo pipefail
BUILD="${1:?Aufruf: resave-bench.sh BUILD_DIR [WORK_DIR]}"
WORK="${2:-$(mktemp -d)}"
mkdir -p "$WORK"
BIN="$BUILD/bin"

"$BUILD/devtools/bench_make_large_class" "$WORK/big.RVK" 20000
ls -l "$WORK/big.RVK"
sync

elapsed() { # command... ; prints the elapsed seconds
  /usr/bin/time -f "%e %M" -o "$WORK/time" "$@" >/dev/null 2>&1
  cat "$WORK/time"
}
clean() {
  rm -f "$WORK/out.RVK" "$WORK/big.\$KL" "$WORK/copy1" "$WORK/copy2"
  sync
}

best_resave="" best_dd=""
for run in 1 2 3; do
  clean
  read -r t _ < <(elapsed bash -c "dd if='$WORK/big.RVK' of='$WORK/copy1' bs=1M conv=fsync status=none &&
                                    dd if='$WORK/big.RVK' of='$WORK/copy2' bs=1M conv=fsync status=none")
  echo "2 × dd conv=fsync (run $run): $t s"
  [ -z "$best_dd" ] || [ "$(echo "$t < $best_dd" | bc -l)" = 1 ] && best_dd=$t
  clean
  read -r t kb < <(elapsed "$BIN/ruvek-cli" resave "$WORK/big.RVK" "$WORK/out.RVK")
  echo "ruvek-cli resave (run $run): $t s, $((kb / 1024)) MB peak"
  [ -z "$best_resave" ] || [ "$(echo "$t < $best_resave" | bc -l)" = 1 ] && best_resave=$t
done
cmp "$WORK/big.RVK" "$WORK/big.\$KL"
cmp "$WORK/big.RVK" "$WORK/out.RVK"
echo "Ergebnis: Sicherungskopie und neue Datei gleich der Eingabe."
printf 'Bestzeiten: resave %.2f s, 2 × dd %.2f s, Verhältnis %.2f\n' "$best_resave" "$best_dd" \
  "$(echo "$best_resave / $best_dd" | bc -l)"
