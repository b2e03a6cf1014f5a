#!/usr/bin/env bash
# Printing a whole school: the certificates of 40 classes of 30 students
# (two pages each, 2,400 pages) as one PDF per class, against `qpdf`
# rewriting the same PDFs (reading and writing every object, no drawing).
# `ruvek-cli pdf ORDNER/ -o AUSGABE/` prints all classes in one process;
# a `ruvek-cli` that takes one class at a time is run once per class
# instead (then every class pays the start-up again). Best of three runs
# each, and their ratio.
#
#   bench/pdf-batch-bench.sh BUILD_DIR [WORK_DIR]
set -euo pipefail
BUILD="${1:?Aufruf: pdf-batch-bench.sh BUILD_DIR [WORK_DIR]}"
WORK="${2:-$(mktemp -d)}"
CLASSES=${CLASSES:-40}
CLI="$BUILD/bin/ruvek-cli"
command -v qpdf >/dev/null || { echo "qpdf fehlt (Paket qpdf)"; exit 77; }
export QT_QPA_PLATFORM=offscreen
mkdir -p "$WORK/klassen"
for ((i = 1; i <= CLASSES; i++)); do
  "$BUILD/devtools/bench_make_print_class" "$(printf '%s/klassen/Klasse%02d.RVK' "$WORK" "$i")"
done

# All classes in one process when the command takes a folder.
rm -rf "$WORK/probe" && mkdir -p "$WORK/probe"
if "$CLI" pdf "$WORK/klassen/" -o "$WORK/probe/" >/dev/null 2>&1 &&
  [ "$(find "$WORK/probe" -name '*.pdf' | wc -l)" -eq "$CLASSES" ]; then
  mode="ein Prozess für alle Klassen"
  print_all() { "$CLI" pdf "$WORK/klassen/" -o "$WORK/out/"; }
else
  mode="ein Prozess je Klasse (ruvek-cli pdf nimmt noch keinen Ordner)"
  print_all() {
    for f in "$WORK"/klassen/*.RVK; do
      local name=${f##*/}
      "$CLI" pdf "$f" -o "$WORK/out/${name%.RVK}.pdf" || return 1
    done
  }
fi
rewrite_all() {
  for f in "$WORK"/out/*.pdf; do qpdf "$f" "$WORK/qpdf/${f##*/}"; done
}
seconds() { # function ; prints its elapsed seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

best_print="" best_qpdf=""
for run in 1 2 3; do
  rm -rf "$WORK/out" "$WORK/qpdf" && mkdir -p "$WORK/out" "$WORK/qpdf"
  t=$(seconds print_all)
  [ -z "$best_print" ] || [ "$(echo "$t < $best_print" | bc -l)" = 1 ] && best_print=$t
  u=$(seconds rewrite_all)
  [ -z "$best_qpdf" ] || [ "$(echo "$u < $best_qpdf" | bc -l)" = 1 ] && best_qpdf=$u
  printf 'Lauf %d: ruvek-cli %.2f s, qpdf %.2f s\n' "$run" "$t" "$u"
done
pages=0
for f in "$WORK"/out/*.pdf; do pages=$((pages + $(pdfinfo "$f" | awk '/^Pages/ {print $2}'))); done
echo "$CLASSES Klassen, $pages Seiten; $mode"
printf 'Bestzeiten: ruvek-cli %.2f s, qpdf %.2f s, Verhältnis %.2f\n' "$best_print" "$best_qpdf" \
  "$(echo "$best_print / $best_qpdf" | bc -l)"
