#!/usr/bin/env bash
# Speed of reading and writing class files: `ruvek-cli resave` on a
# 20,000-record class file (about 120 MB) against plain tools moving the
# same bytes (the backup copy with cat, the new file with dd and fsync).
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

measure() { # label command...
  local label="$1"; shift
  /usr/bin/time -f "$label: %e s elapsed, %U s user, %S s system, %M KB peak" "$@"
}

for run in 1 2 3 4 5; do
  rm -f "$WORK/out.RVK" "$WORK/big.\$KL"
  sync
  measure "ruvek-cli resave (run $run)" "$BIN/ruvek-cli" resave "$WORK/big.RVK" "$WORK/out.RVK" 2>&1 | grep -v '^Gespeichert'
  rm -f "$WORK/out.RVK" "$WORK/big.\$KL"
  sync
  measure "cat + dd conv=fsync (run $run)" bash -c \
    "cat '$WORK/big.RVK' > '$WORK/big.\$KL' && dd if='$WORK/big.RVK' of='$WORK/out.RVK' bs=1M conv=fsync status=none"
done
cmp "$WORK/big.RVK" "$WORK/big.\$KL"
echo "Ergebnis: Sicherungskopie gleich der Eingabe."
