#!/bin/sh
# Runs unnamed_controls.py against a copy of the program folder, inside a
# virtual X display and a D-Bus session of its own, so the accessibility bus
# the program registers on is the one the check reads.
#   run_unnamed_controls.sh PROGRAM_DIR [--max N]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program_dir=$1
shift
for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool fehlt"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core fehlt"; exit 77; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for entry in "$program_dir"/*; do
  case "${entry##*/}" in ruvek|ruvek-cli) continue ;; esac
  cp -R "$entry" "$folder/"
done
# The D-Bus session starts inside the display: the accessibility services it
# starts then know the display, so key presses the check sends reach it.
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
  /usr/bin/python3 "$here/unnamed_controls.py" "$program_dir/ruvek" "$folder" \
  "$folder/examples/Beispielklasse.RVK" "$@"
