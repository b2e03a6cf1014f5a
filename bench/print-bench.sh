#!/usr/bin/env bash
# Printing benchmark: ruvek-cli pdf for a class of 30 students with two-page
# certificates (60 pages), next to LibreOffice converting a 60-page text
# document of similar content to PDF, in the same run. Reports wall time,
# peak memory and PDF size of each. Not a test: it only prints numbers.
#   bench/print-bench.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
cmake --build "$BUILD" --target ruvek-cli bench_make_print_class >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$BUILD/devtools/bench_make_print_class" "$work/Klasse.RVK"

measure() { # label, command...
  local label=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>"$work/err" || { cat "$work/err"; return 1; }
  read -r secs kb <"$work/time"
  printf '%-12s %6.2f s  %6d MB peak\n' "$label" "$secs" $((kb / 1024))
}

measure ruvek-cli "$BUILD/bin/ruvek-cli" pdf "$work/Klasse.RVK" -o "$work/ruvek.pdf"
printf '%-12s %s pages, %d KB\n' "" "$(pdfinfo "$work/ruvek.pdf" | awk '/^Pages/ {print $2}')" \
  $(( $(stat -c %s "$work/ruvek.pdf") / 1024 ))

if command -v soffice >/dev/null; then
  # 60 pages of certificate-like text: a heading, the name block, the
  # learning-development text and ruled lines, one page break per page.
  {
    echo '<html><body>'
    for i in $(seq 1 60); do
      echo '<h1 style="page-break-before: always">Grundschule Am Lindenhof</h1><h2>Zeugnis</h2>'
      echo "<p>über das Schuljahr 2026 / 2027</p><p><b>Kim Schüler$i</b> Klasse 3b</p>"
      echo '<p>Kim arbeitet im Unterricht aufmerksam und ausdauernd mit. Kim beteiligt sich gern an Gesprächen'
      echo 'im Sitzkreis und bringt eigene Ideen ein. Im Lesen hat Kim große Fortschritte gemacht.</p>'
      for _ in $(seq 1 20); do echo '<hr/>'; done
    done
    echo '</body></html>'
  } >"$work/text.html"
  # A fresh profile each run, as a cold start.
  measure LibreOffice soffice -env:UserInstallation=file://"$work/lo" --headless --convert-to pdf:writer_pdf_Export \
    --outdir "$work" "$work/text.html"
  printf '%-12s %s pages, %d KB\n' "" "$(pdfinfo "$work/text.pdf" | awk '/^Pages/ {print $2}')" \
    $(( $(stat -c %s "$work/text.pdf") / 1024 ))
else
  echo "LibreOffice (soffice) is not installed: only the ruvek numbers."
fi
