#!/bin/sh
# The set-up installs only what is missing, without recommends, is content
# with either of two packages that exclude each other, and stops where apt
# would remove installed software; `make run` asks for none of the test tools.
# dpkg-query, apt-get and sudo are stand-ins here.
set -eu
skript=$1
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
mkdir "$ordner/bin"
cat > "$ordner/bin/dpkg-query" <<'EOF'
#!/bin/sh
for paket; do :; done
grep -qx "$paket" "$INSTALLIERT" && echo installed
EOF
cat > "$ordner/bin/apt-get" <<'EOF'
#!/bin/sh
echo "$*" >> "$AUFRUFE"
[ "$1" != -s ] || cat "$PLAN"
EOF
printf '#!/bin/sh\nexec "$@"\n' > "$ordner/bin/sudo"
chmod +x "$ordner/bin/"*
export PATH="$ordner/bin:$PATH" INSTALLIERT="$ordner/installiert" AUFRUFE="$ordner/aufrufe" PLAN="$ordner/plan"

fehler() { echo "FEHLER: $*" >&2; cat "$AUFRUFE" >&2 2>/dev/null; exit 1; }
pakete="cmake libreoffice-calc-nogui|libreoffice-calc xvfb"

# The desktop's Calc is installed: nothing of LibreOffice is asked for.
printf 'cmake\nlibreoffice-calc\nxvfb\n' > "$INSTALLIERT"
: > "$AUFRUFE"; : > "$PLAN"
"$skript" $pakete > /dev/null || fehler "nichts fehlt"
[ ! -s "$AUFRUFE" ] || fehler "apt aufgerufen, obwohl nichts fehlt"

# Neither Calc: the headless one is installed, with the other missing package.
echo cmake > "$INSTALLIERT"; : > "$AUFRUFE"
"$skript" $pakete > /dev/null || fehler "Installation"
[ "$(cat "$AUFRUFE")" = "update
-s install -y --no-install-recommends libreoffice-calc-nogui xvfb
install -y --no-install-recommends libreoffice-calc-nogui xvfb" ] || fehler "falsche Aufrufe"

# apt would remove something: refused before the real call.
: > "$AUFRUFE"
echo "Remv libreoffice-gtk3 [4:7.4.7-1]" > "$PLAN"
if "$skript" $pakete > /dev/null 2> "$ordner/meldung"; then fehler "nicht abgelehnt"; fi
grep -q "libreoffice-gtk3" "$ordner/meldung" || fehler "Meldung nennt das Paket nicht"
! grep -q "^install" "$AUFRUFE" || fehler "trotzdem installiert"

# `make run` installs what the program needs: no fuzzer compiler, no test or
# benchmark library, no Java.
wurzel=$(cd "$(dirname "$skript")/.." && pwd)
programmpakete=$(make -s -n -C "$wurzel" run | sed -n 's/^tools\/pakete-installieren\.sh//p')
[ -n "$programmpakete" ] || fehler "make run installiert nichts"
for paket in $programmpakete; do
  case $paket in
    *clang*|*llvm*|*benchmark*|*gtest*|googletest|*gmock*|*jdk*|*jre*|*java*)
      fehler "make run installiert $paket" ;;
  esac
done
echo ok
