#!/bin/sh
# Runs unnamed_controls.py against a copy of the program folder, inside a
# virtual X display and a D-Bus session of its own, so the accessibility bus
# the program registers on is the one the check reads.
#   run_unnamed_controls.sh PROGRAM_DIR [--max N]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program_dir=$1
shift
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool fehlt"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core fehlt"; exit 77; }
folder=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$folder"' EXIT
for entry in "$program_dir"/*; do
  case "${entry##*/}" in ruvek|ruvek-cli) continue ;; esac
  cp -R "$entry" "$folder/"
done
# The display server picks a free display number itself and names it: other
# programs starting displays at the same time cannot take the same one (as
# with "xvfb-run -a", which then runs the check against a foreign display).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/.display" 2>"$folder/.xvfb-log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$folder/.display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$folder/.xvfb-log"; echo "Xvfb startet nicht"; exit 77; }
  sleep 0.1
done
DISPLAY=:$(head -n 1 "$folder/.display")
export DISPLAY
# The D-Bus session starts inside the display: the accessibility services it
# starts then know the display, so key presses the check sends reach it.
dbus-run-session -- /usr/bin/python3 "$here/unnamed_controls.py" "$program_dir/ruvek" "$folder" \
  "$folder/examples/Beispielklasse.RVK" "$@"
