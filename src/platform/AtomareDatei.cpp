#include "platform/AtomareDatei.h"

#include "platform/Dateifehler.h"

#include <cerrno>
#include <climits>
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

void SchreibeDateiAtomar(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
  const std::string ziel = ZielPfad(pfad);
  // A write-protected file stays protected, although renaming over it would work.
  if (access(ziel.c_str(), F_OK) == 0 && access(ziel.c_str(), W_OK) != 0) Scheitern(errno);
  const std::string verzeichnis = Verzeichnis(ziel);
  std::string temp = verzeichnis + "/.scheibwart-XXXXXX";

  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) Scheitern(errno);

  auto aufgeben = [&](int errnum, TDateiSchritt schritt) {
    close(fd);
    unlink(temp.c_str());
    Scheitern(errnum, schritt);
  };

  if (fchmod(fd, NeueRechte(ziel)) != 0) aufgeben(errno, TDateiSchritt::Anlegen);

  std::size_t geschrieben = 0;
  while (geschrieben < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
    if (n < 0) {
      if (errno == EINTR) continue;
      aufgeben(errno, TDateiSchritt::Schreiben);
    }
    geschrieben += static_cast<std::size_t>(n);
  }
  if (fsync(fd) != 0) aufgeben(errno, TDateiSchritt::Schreiben);
  if (close(fd) != 0) {
    const int errnum = errno;
    unlink(temp.c_str());
    Scheitern(errnum, TDateiSchritt::Schreiben);
  }
  // Renaming puts the file under its own name, so it fails as making the file
  // does: a folder of that name, for instance.
  if (rename(temp.c_str(), ziel.c_str()) != 0) {
    const int errnum = errno;
    unlink(temp.c_str());
    Scheitern(errnum);
  }
  // Make the rename itself durable; the file is complete either way.
  const int dirFd = open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fsync(dirFd);
    close(dirFd);
  }
}
