#include "platform/AtomareDatei.h"

#include "platform/Dateifehler.h"
#include "platform/Verwaist.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

EAtomarFehler::EAtomarFehler(TDateiSchritt schritt, int errnum)
    : EFehler(DateiFehlerText(errnum)), Schritt(schritt) {}

namespace {

[[noreturn]] void Scheitern(int errnum, TDateiSchritt schritt = TDateiSchritt::Anlegen) {
  throw EAtomarFehler(schritt, errnum);
}

bool IstDatei(const std::string& pfad) {
  struct stat st {};
  return stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// An unnamed file in ordner. It gets its name through its entry in /proc, so
// without /proc there is none.
int UnbenannteDatei(const std::string& ordner) {
  if (access("/proc/self/fd", X_OK) != 0) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return open(ordner.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
}

// The new file takes the permission bits of the file it replaces, and its
// owner and group where that is allowed (so that root leaves a user's file
// the user's); a new file gets the usual permissions.
bool UebernimmRechte(int fd, const std::string& ziel) {
  struct stat st {};
  if (stat(ziel.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    [[maybe_unused]] const int egal = fchown(fd, st.st_uid, st.st_gid);
    return fchmod(fd, st.st_mode & 07777) == 0;
  }
  const mode_t maske = umask(0);
  umask(maske);
  return fchmod(fd, 0666 & ~maske) == 0;
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

TAtomareDatei::TAtomareDatei(const std::string& pfad, TPufferung pufferung)
    : Ziel(ZielPfad(pfad)), Pufferung(pufferung),
      PufferGroesse(pufferung == TPufferung::Nebenher ? GroesseNebenher : GroesseEinfach) {
  // A write-protected file stays protected, although renaming over it would work.
  if (access(Ziel.c_str(), F_OK) == 0 && access(Ziel.c_str(), W_OK) != 0) Scheitern(errno);
  const std::string ordner = Verzeichnis(Ziel);
  EntferneVerwaiste(ordner, TempDateiPraefix);

  Fd = UnbenannteDatei(ordner);
  int errnum = errno;
  if (Fd < 0 && (errnum == EOPNOTSUPP || errnum == EISDIR)) {  // no unnamed files here
    Weg = TWeg::Benannt;
    Temp = EigenerAnfang(ordner + "/" + TempDateiPraefix) + "XXXXXX";
    Fd = mkostemp(Temp.data(), O_CLOEXEC);
    errnum = errno;
    if (Fd < 0) Temp.clear();
  }
  if (Fd < 0 && (errnum == EACCES || errnum == EPERM) && IstDatei(Ziel)) {
    Weg = TWeg::Direkt;
    Fd = open(Ziel.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    errnum = errno;
  }
  if (Fd < 0) Scheitern(errnum);
  if (Weg != TWeg::Direkt && !UebernimmRechte(Fd, Ziel)) Aufgeben(errno, TDateiSchritt::Anlegen);
  Puffer.reset(new std::uint8_t[PufferGroesse]);
}

TAtomareDatei::~TAtomareDatei() {
  if (Fd >= 0) Verwirf();
}

void TAtomareDatei::Verwirf() {
  Schreiber.reset();
  if (!Temp.empty()) unlink(Temp.c_str());
  close(Fd);
  Fd = -1;
}

void TAtomareDatei::Aufgeben(int errnum, TDateiSchritt schritt) {
  Verwirf();
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

void TAtomareDatei::StarteSchreiber() {
  try {
    if (!Zweitpuffer) Zweitpuffer.reset(new std::uint8_t[PufferGroesse]);
    Schreiber = std::make_unique<THintergrundschreiber>(Fd);
  } catch (const std::system_error&) {  // no thread: the buffer is written here
  }
}

void TAtomareDatei::Leere() {
  if (!Schreiber && Pufferung == TPufferung::Nebenher) StarteSchreiber();
  if (!Schreiber) return SchreibeRest();
  if (const int fehler = Schreiber->Warte()) Aufgeben(fehler, TDateiSchritt::Schreiben);
  Schreiber->Schreibe(Puffer.get(), Gefuellt);
  std::swap(Puffer, Zweitpuffer);
  Gefuellt = 0;
}

void TAtomareDatei::SchreibeRest() {
  if (Schreiber) {
    if (const int fehler = Schreiber->Warte()) Aufgeben(fehler, TDateiSchritt::Schreiben);
    Schreiber.reset();
  }
  if (const int fehler = SchreibeGanz(Fd, Puffer.get(), Gefuellt)) Aufgeben(fehler, TDateiSchritt::Schreiben);
  Gefuellt = 0;
}

// Putting the file under its own name fails as making the file does: a
// folder of that name, for instance.
void TAtomareDatei::SetzeAnDieStelle() {
  if (Weg == TWeg::Unbenannt) {
    const std::string datei = "/proc/self/fd/" + std::to_string(Fd);
    // A new file takes its name at once; one that is there is renamed over.
    if (linkat(AT_FDCWD, datei.c_str(), AT_FDCWD, Ziel.c_str(), AT_SYMLINK_FOLLOW) == 0) return;
    if (errno != EEXIST) Aufgeben(errno, TDateiSchritt::Anlegen);
    const std::string anfang = EigenerAnfang(Verzeichnis(Ziel) + "/" + TempDateiPraefix);
    for (unsigned nummer = 0; Temp.empty(); ++nummer) {
      std::string name = anfang + std::to_string(nummer);
      if (linkat(AT_FDCWD, datei.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        Temp = std::move(name);
      else if (errno != EEXIST)
        Aufgeben(errno, TDateiSchritt::Anlegen);
    }
  }
  if (rename(Temp.c_str(), Ziel.c_str()) != 0) Aufgeben(errno, TDateiSchritt::Anlegen);
  Temp.clear();
}

namespace {

// Keeps the file that a replacement takes the name from until the save is
// done, and lets it go beside the program: freeing its space can take the
// file system about as long as writing the new one did.
class TAbgeloest {
public:
  explicit TAbgeloest(const std::string& pfad) : Fd(open(pfad.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC)) {}
  TAbgeloest(const TAbgeloest&) = delete;
  TAbgeloest& operator=(const TAbgeloest&) = delete;
  ~TAbgeloest() {
    if (Fd < 0) return;
    try {
      std::thread([fd = Fd] { close(fd); }).detach();
    } catch (const std::system_error&) {
      close(Fd);
    }
  }

private:
  int Fd;
};

}  // namespace

void TAtomareDatei::Fertig() {
  SchreibeRest();
  if (fsync(Fd) != 0) Aufgeben(errno, TDateiSchritt::Schreiben);
  const TAbgeloest vorgaenger(Weg == TWeg::Direkt ? std::string() : Ziel);
  if (Weg != TWeg::Direkt) SetzeAnDieStelle();
  if (close(std::exchange(Fd, -1)) != 0) Scheitern(errno, TDateiSchritt::Schreiben);
  if (Weg == TWeg::Direkt) return;
  // Make the new name durable; the file is complete either way.
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
