#!/bin/sh
# The installed program's main window as the X window system sees it: its
# class is the desktop entry's StartupWMClass, so the running window belongs
# to its launcher, and its icon comes in every size the icons are drawn in.
#   Hauptfenster.sh WURZEL DATENORDNER KENNUNG GROESSE...
# Runs on an X display of its own (xvfb-run).
set -eu
wurzel=$1 daten=$2 kennung=$3
shift 3

# Settings, journal and runtime folder of a user of its own; the desktop's
# data (the icon theme) with the installed tree's, as on an installed system.
ordner=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || { kill "$pid"; wait "$pid"; } 2>/dev/null || true; rm -rf "$ordner"' EXIT
HOME=$ordner XDG_CONFIG_HOME=$ordner/konfiguration XDG_STATE_HOME=$ordner/zustand \
  XDG_RUNTIME_DIR=$ordner XDG_DATA_DIRS=$daten:${XDG_DATA_DIRS:-/usr/local/share:/usr/share} \
  QT_QPA_PLATFORM=xcb "$wurzel/usr/bin/scheibwart" &
pid=$!

# The main window is the program's only window with a class; once it is on
# the screen, it carries everything the program gave it.
fenster=
for _ in $(seq 300); do
  fenster=$(xwininfo -root -tree | awk '/: \("scheibwart" "/ { print $1; exit }')
  [ -n "$fenster" ] && xwininfo -id "$fenster" | grep -q IsViewable && break
  fenster=
  sleep 0.1
done
if [ -z "$fenster" ]; then
  echo "The main window did not appear." >&2
  exit 1
fi

klasse=$(xprop -id "$fenster" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
eintrag=$(sed -n 's/^StartupWMClass=//p' "$daten/applications/$kennung.desktop")
if [ "$klasse" != "$eintrag" ]; then
  echo "The window's class is \"$klasse\", the desktop entry's StartupWMClass \"$eintrag\"." >&2
  exit 1
fi

groessen=$(xprop -len 100000000 -id "$fenster" _NET_WM_ICON |
  sed -n 's/^.*Icon (\([0-9]*\) x \([0-9]*\)):.*$/\1x\2/p' | sort -n | tr '\n' ' ' | sed 's/ $//')
erwartet=$(for g in "$@"; do echo "${g}x$g"; done | sort -n | tr '\n' ' ' | sed 's/ $//')
if [ "$groessen" != "$erwartet" ]; then
  echo "The window's icon comes in $groessen, not in $erwartet." >&2
  exit 1
fi
