#!/bin/sh
# Installs the Debian packages that the build and the tests need, and never
# anything that would remove or replace software already installed. Their
# recommends are left out: every package the build or the program uses is
# named (libreoffice-dev's would bring Java, clang's LLVM's headers).
#
#   tools/pakete-installieren.sh PAKET... 
#
# "a|b" names packages that exclude each other (libreoffice-calc-nogui and
# libreoffice-calc conflict): any one of them installed is enough, and only
# where none is, the first is installed.
set -eu

ist_installiert() {
  dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null | grep -qx installed
}

fehlend=
for angabe in "$@"; do
  vorhanden=
  for paket in $(echo "$angabe" | tr '|' ' '); do
    if ist_installiert "$paket"; then vorhanden=ja; break; fi
  done
  [ -n "$vorhanden" ] || fehlend="$fehlend ${angabe%%|*}"
done
[ -n "$fehlend" ] || exit 0

sudo=
[ "$(id -u)" = 0 ] || sudo=sudo
echo "Installiere:$fehlend"
$sudo apt-get update

# apt may resolve a conflict by removing what the user has: ask it first.
if ! plan=$(LC_ALL=C apt-get -s install -y --no-install-recommends $fehlend); then
  echo "$plan" >&2
  echo "apt kann diese Pakete nicht installieren:$fehlend" >&2
  exit 1
fi
entfernt=$(echo "$plan" | sed -n 's/^Remv \([^ ]*\).*/\1/p' | tr '\n' ' ')
if [ -n "$entfernt" ]; then
  echo "Abbruch: apt würde dafür installierte Software entfernen: $entfernt" >&2
  echo "Bitte die fehlenden Pakete von Hand installieren:$fehlend" >&2
  exit 1
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $fehlend
