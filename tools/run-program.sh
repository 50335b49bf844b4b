#!/usr/bin/env bash
# Starts the program on a collection file. Where no display is available it
# runs under Xvfb instead, saves a picture of the main window beside the
# program as scheibwart.png, and ends the program again.
#   run-program.sh PROGRAM COLLECTION
set -euo pipefail

if [ "${1:-}" = --foto ]; then
  # Inside Xvfb: start, wait for the main window, photograph it, end.
  programm=$2 sammlung=$3 bild=$4
  "$programm" "$sammlung" &
  pid=$!
  fenster=
  for _ in $(seq 100); do
    fenster=$(xwininfo -root -tree 2>/dev/null | awk '/" Scheibwart  \[ v 1\.0 \]/ { print $1; exit }')
    [ -n "$fenster" ] && break
    sleep 0.1
  done
  if [ -z "$fenster" ]; then
    kill "$pid" 2>/dev/null || true
    echo "Das Hauptfenster ist nicht erschienen." >&2
    exit 1
  fi
  sleep 1  # let it paint
  import -window "$fenster" "$bild"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exit 0
fi

programm=$1 sammlung=$2
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$programm" "$sammlung"
fi

bild="$(cd "$(dirname "$programm")" && pwd)/scheibwart.png"
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --foto "$programm" "$sammlung" "$bild"
echo "Kein Bildschirm vorhanden: das Programm lief unter Xvfb."
echo "Bild des Hauptfensters: $bild"
