#include "platform/AtomareDatei.h"

#include "platform/Dateifehler.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

EAtomarFehler::EAtomarFehler(TDateiSchritt schritt, int errnum)
    : EFehler(DateiFehlerText(errnum)), Schritt(schritt) {}

namespace {

[[noreturn]] void Scheitern(int errnum, TDateiSchritt schritt = TDateiSchritt::Anlegen) {
  throw EAtomarFehler(schritt, errnum);
}

mode_t NeueRechte(const std::string& ziel) {
  struct stat st {};
  if (stat(ziel.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t maske = umask(0);
  umask(maske);
  return 0666 & ~maske;
}

}  // namespace

std::string Verzeichnis(const std::string& pfad) {
  const auto schnitt = pfad.find_last_of('/');
  if (schnitt == std::string::npos) return ".";
  if (schnitt == 0) return "/";
  return pfad.substr(0, schnitt);
}

std::string ZielPfad(const std::string& pfad) {
  std::string ziel = pfad;
  for (int stufe = 0; stufe < 40; ++stufe) {  // as many as the kernel follows
    struct stat st {};
    if (lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return ziel;
    char verweis[PATH_MAX];
    const ssize_t n = readlink(ziel.c_str(), verweis, sizeof verweis);
    if (n < 0) Scheitern(errno);
    if (n == 0 || static_cast<std::size_t>(n) == sizeof verweis) Scheitern(ENAMETOOLONG);
    // A relative link counts from the folder the link lies in.
    const std::string naechster(verweis, static_cast<std::size_t>(n));
    ziel = naechster.front() == '/' ? naechster : Verzeichnis(ziel) + "/" + naechster;
  }
  Scheitern(ELOOP);
}

TAtomareDatei::TAtomareDatei(const std::string& pfad) : Ziel(ZielPfad(pfad)) {
  // A write-protected file stays protected, although renaming over it would work.
  if (access(Ziel.c_str(), F_OK) == 0 && access(Ziel.c_str(), W_OK) != 0) Scheitern(errno);
  Temp = Verzeichnis(Ziel) + "/.scheibwart-XXXXXX";
  Fd = mkostemp(Temp.data(), O_CLOEXEC);
  if (Fd < 0) Scheitern(errno);
  if (fchmod(Fd, NeueRechte(Ziel)) != 0) Aufgeben(errno, TDateiSchritt::Anlegen);
  Puffer.reset(new std::uint8_t[PufferGroesse]);
}

TAtomareDatei::~TAtomareDatei() {
  if (Fd < 0) return;
  close(Fd);
  unlink(Temp.c_str());
}

void TAtomareDatei::Aufgeben(int errnum, TDateiSchritt schritt) {
  close(Fd);
  Fd = -1;
  unlink(Temp.c_str());
  Scheitern(errnum, schritt);
}

void TAtomareDatei::SchreibeDurch(const void* daten, std::size_t anzahl) {
  const auto* bytes = static_cast<const std::uint8_t*>(daten);
  while (anzahl > 0) {
    const std::size_t teil = std::min(anzahl, PufferGroesse - Gefuellt);
    std::memcpy(Puffer.get() + Gefuellt, bytes, teil);
    Gefuellt += teil;
    bytes += teil;
    anzahl -= teil;
    if (Gefuellt == PufferGroesse) Leere();
  }
}

void TAtomareDatei::Leere() {
  std::size_t geschrieben = 0;
  while (geschrieben < Gefuellt) {
    const ssize_t n = write(Fd, Puffer.get() + geschrieben, Gefuellt - geschrieben);
    if (n < 0) {
      if (errno == EINTR) continue;
      Aufgeben(errno, TDateiSchritt::Schreiben);
    }
    geschrieben += static_cast<std::size_t>(n);
  }
  Gefuellt = 0;
}

void TAtomareDatei::Fertig() {
  Leere();
  if (fsync(Fd) != 0) Aufgeben(errno, TDateiSchritt::Schreiben);
  const int fd = Fd;
  Fd = -1;
  if (close(fd) != 0) {
    const int errnum = errno;
    unlink(Temp.c_str());
    Scheitern(errnum, TDateiSchritt::Schreiben);
  }
  // Renaming puts the file under its own name, so it fails as making the file
  // does: a folder of that name, for instance.
  if (rename(Temp.c_str(), Ziel.c_str()) != 0) {
    const int errnum = errno;
    unlink(Temp.c_str());
    Scheitern(errnum);
  }
  // Make the rename itself durable; the file is complete either way.
  const int dirFd = open(Verzeichnis(Ziel).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fsync(dirFd);
    close(dirFd);
  }
}

void SchreibeDateiAtomar(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
  TAtomareDatei datei(pfad);
  datei.Schreibe(bytes.data(), bytes.size());
  datei.Fertig();
}
