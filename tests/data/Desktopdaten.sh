#!/bin/sh
# The installed desktop entry, metainfo and collection file type as the
# desktop's own tools read them.
#   Desktopdaten.sh WURZEL DATENORDNER KENNUNG DATEITYP
# WURZEL is the installed tree, DATENORDNER its share folder.
set -eu
wurzel=$1 daten=$2 kennung=$3 dateityp=$4

desktop-file-validate "$daten/applications/$kennung.desktop"
# The metainfo, and the desktop entry it names as launchable.
appstreamcli validate-tree --no-net "$wurzel"

# A shared-mime-info database made from the type alone, without a complaint,
# gives *.swl files the type.
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
mkdir "$db/mime"
cp -r "$daten/mime/packages" "$db/mime/"
meldungen=$(XDG_DATA_DIRS=$db update-mime-database "$db/mime" 2>&1)
if [ -n "$meldungen" ]; then
  echo "$meldungen" >&2
  exit 1
fi
if ! grep -q "^[0-9]*:$dateityp:\*\.swl$" "$db/mime/globs2"; then
  echo "*.swl is not $dateityp:" >&2
  cat "$db/mime/globs2" >&2
  exit 1
fi
