#include "platform/AtomareDatei.h"

#include "platform/Dateifehler.h"
#include "platform/Verwaist.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

std::string UnvollstaendigText(const std::string& datei, const std::string& meldung, const std::string& kopie) {
  return "Die Datei \u00BB" + datei + "\u00AB ist unvollst\u00E4ndig (" + meldung +
         ").\nDie vorherige Fassung liegt in \u00BB" + kopie + "\u00AB";
}

}  // namespace

EAtomarFehler::EAtomarFehler(TDateiSchritt schritt, int errnum, const std::string& datei, const std::string& kopie)
    : EFehler(kopie.empty() ? DateiFehlerText(errnum) : UnvollstaendigText(datei, DateiFehlerText(errnum), kopie)),
      Schritt(schritt), Datei(datei), Kopie(kopie) {}

std::string EAtomarFehler::Text(const std::string& meldung) const {
  return Kopie.empty() ? meldung : UnvollstaendigText(Datei, meldung, Kopie);
}

namespace {

[[noreturn]] void Scheitern(int errnum, TDateiSchritt schritt = TDateiSchritt::Anlegen) {
  throw EAtomarFehler(schritt, errnum);
}

// The name at the end of pfad.
std::string Dateiname(const std::string& pfad) { return pfad.substr(pfad.find_last_of('/') + 1); }

// Where a file is to be put: the folder, open, and the name in it.
struct TOrt {
  int OrdnerFd = -1;
  std::string Ordner, Name;
  bool Vorhanden = false;  // something has the name; St says what
  struct stat St {};
};

// The kernel's rule for links in a sticky folder that everyone may write: it
// follows only those of the user and of the folder's owner.
bool DarfFolgen(int ordnerFd, const struct stat& link) {
  struct stat ordner {};
  if (fstat(ordnerFd, &ordner) != 0) return false;
  const bool gemeinsam = (ordner.st_mode & S_ISVTX) && (ordner.st_mode & S_IWOTH);
  return !gemeinsam || link.st_uid == geteuid() || link.st_uid == ordner.st_uid;
}

// Follows the links at pfad one by one, each in the folder it lies in. A
// failure throws EAtomarFehler and leaves no folder open.
TOrt FindeOrt(const std::string& pfad) {
  std::string weg = pfad;
  for (int stufe = 0; stufe < 40; ++stufe) {  // as many as the kernel follows
    TOrt ort{-1, Verzeichnis(weg), Dateiname(weg)};
    if (ort.Name.empty()) Scheitern(EISDIR);
    ort.OrdnerFd = open(ort.Ordner.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (ort.OrdnerFd < 0) Scheitern(errno);
    const auto scheitern = [&](int errnum) {
      close(ort.OrdnerFd);
      Scheitern(errnum);
    };
    if (fstatat(ort.OrdnerFd, ort.Name.c_str(), &ort.St, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT) return ort;
      scheitern(errno);
    }
    if (!S_ISLNK(ort.St.st_mode)) {
      ort.Vorhanden = true;
      return ort;
    }
    if (!DarfFolgen(ort.OrdnerFd, ort.St)) scheitern(EACCES);
    char verweis[PATH_MAX];
    const ssize_t n = readlinkat(ort.OrdnerFd, ort.Name.c_str(), verweis, sizeof verweis);
    if (n < 0) scheitern(errno);
    if (n == 0 || static_cast<std::size_t>(n) == sizeof verweis) scheitern(ENAMETOOLONG);
    close(ort.OrdnerFd);
    // A relative link counts from the folder the link lies in.
    const std::string naechster(verweis, static_cast<std::size_t>(n));
    weg = naechster.front() == '/' ? naechster : ort.Ordner + "/" + naechster;
  }
  Scheitern(ELOOP);
}

// An unnamed file in the folder. It gets its name through its entry in /proc,
// so without /proc there is none.
int UnbenannteDatei(int ordnerFd) {
  if (access("/proc/self/fd", X_OK) != 0) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return openat(ordnerFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
}

// Gives name the first free one of this program's temporary names in the
// folder, trying them with versuche(name) until one is taken: true when it
// was, false with errno set when it failed for another reason than EEXIST.
template <class F>
bool NimmTempName(std::string& name, F&& versuche) {
  const std::string anfang = EigenerAnfang(TempDateiPraefix);
  for (unsigned nummer = 0;; ++nummer) {
    name = anfang + std::to_string(nummer);
    if (versuche(name)) return true;
    if (errno != EEXIST) {
      name.clear();
      return false;
    }
  }
}

// What a file system that keeps no permissions or owners answers when asked
// to change them.
bool OhneRechte(int errnum) { return errnum == ENOSYS || errnum == EOPNOTSUPP || errnum == EPERM; }

// The new file takes the owner, group and permission bits of the file it
// replaces (so that root leaves a user's file the user's); a new file gets
// the usual permissions. Returns 0, EPERM when the owner or group cannot be
// kept, or the errno of another failure.
int UebernimmRechte(int fd, bool vorhanden, const struct stat& alt) {
  mode_t rechte;
  if (vorhanden) {
    struct stat neu {};
    if (fstat(fd, &neu) != 0) return errno;
    if ((neu.st_uid != alt.st_uid || neu.st_gid != alt.st_gid) && fchown(fd, alt.st_uid, alt.st_gid) != 0 &&
        errno != ENOSYS && errno != EOPNOTSUPP)
      return errno;
    rechte = alt.st_mode & 07777;
  } else {
    const mode_t maske = umask(0);
    umask(maske);
    rechte = 0666 & ~maske;
  }
  return fchmod(fd, rechte) == 0 || OhneRechte(errno) ? 0 : errno;
}

}  // namespace

std::string Verzeichnis(const std::string& pfad) {
  const auto schnitt = pfad.find_last_of('/');
  if (schnitt == std::string::npos) return ".";
  if (schnitt == 0) return "/";
  return pfad.substr(0, schnitt);
}

std::string ZielPfad(const std::string& pfad) {
  const TOrt ort = FindeOrt(pfad);
  close(ort.OrdnerFd);
  return ort.Ordner == "/" ? "/" + ort.Name : ort.Ordner + "/" + ort.Name;
}

TAtomareDatei::TAtomareDatei(const std::string& pfad, TPufferung pufferung)
    : Pfad(pfad), Pufferung(pufferung),
      PufferGroesse(pufferung == TPufferung::Nebenher ? GroesseNebenher : GroesseEinfach) {
  TOrt ort = FindeOrt(pfad);
  OrdnerFd = ort.OrdnerFd;
  Ordner = std::move(ort.Ordner);
  Name = std::move(ort.Name);
  Vorhanden = ort.Vorhanden;
  Vorher = ort.St;
  try {
    // Neither a pipe or a device nor a folder is replaced by a file.
    if (Vorhanden && !S_ISREG(Vorher.st_mode)) Scheitern(EACCES);
    // A write-protected file stays protected, although renaming over it would work.
    if (Vorhanden && faccessat(OrdnerFd, Name.c_str(), W_OK, 0) != 0) Scheitern(errno);
    EntferneVerwaiste(OrdnerFd, TempDateiPraefix);
    Puffer.reset(new std::uint8_t[PufferGroesse]);
    // Another name of the file would keep the previous content.
    if (Vorhanden && Vorher.st_nlink > 1) {
      SchreibeAnOrt();
      return;
    }

    Fd = UnbenannteDatei(OrdnerFd);
    int errnum = errno;
    if (Fd < 0 && (errnum == EOPNOTSUPP || errnum == EISDIR)) {  // no unnamed files here
      Weg = TWeg::Benannt;
      NimmTempName(Temp, [&](const std::string& name) {
        Fd = openat(OrdnerFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        return Fd >= 0;
      });
      errnum = errno;
    }
    if (Fd < 0 && (errnum == EACCES || errnum == EPERM) && Vorhanden) {
      SchreibeAnOrt();
      return;
    }
    if (Fd < 0) Scheitern(errnum);
    // Held as long as the file lives, so that no clean-up takes it for a killed program's.
    flock(Fd, LOCK_EX);
    if (const int fehler = UebernimmRechte(Fd, Vorhanden, Vorher)) {
      Verwirf();
      if (fehler != EPERM) Scheitern(fehler);
      SchreibeAnOrt();
    }
  } catch (...) {
    if (Fd >= 0) Verwirf();
    close(OrdnerFd);
    throw;
  }
}

void TAtomareDatei::SchreibeAnOrt() {
  Weg = TWeg::Direkt;
  Fd = openat(OrdnerFd, Name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (Fd < 0) Scheitern(errno == ELOOP ? EACCES : errno);
  struct stat st {};
  if (fstat(Fd, &st) != 0) Aufgeben(errno, TDateiSchritt::Anlegen);
  // Changed since it was looked at: another file now has the name.
  if (st.st_dev != Vorher.st_dev || st.st_ino != Vorher.st_ino) Aufgeben(EACCES, TDateiSchritt::Anlegen);
  try {
    // The copy notes the file's real place, which stays valid from any folder.
    char echt[PATH_MAX];
    const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(Fd)).c_str(), echt, sizeof echt);
    const std::string datei = n > 0 && static_cast<std::size_t>(n) < sizeof echt
                                  ? std::string(echt, static_cast<std::size_t>(n))
                                  : Ordner + "/" + Name;
    Vorfassung = std::make_unique<TVorfassung>(Fd, datei, std::span(Puffer.get(), PufferGroesse));
  } catch (...) {
    Verwirf();
    throw;
  }
}

TAtomareDatei::~TAtomareDatei() {
  if (Fd >= 0) Verwirf();
  if (OrdnerFd >= 0) close(OrdnerFd);
}

void TAtomareDatei::Verwirf() {
  Schreiber.reset();
  if (!Temp.empty()) unlinkat(OrdnerFd, Temp.c_str(), 0);
  Temp.clear();
  close(Fd);
  Fd = -1;
}

void TAtomareDatei::Aufgeben(int errnum, TDateiSchritt schritt) {
  const std::string kopie = Vorfassung ? Vorfassung->Kopie() : std::string();
  Verwirf();
  Vorfassung.reset();
  throw EAtomarFehler(schritt, errnum, Pfad, kopie);
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
    const auto verlinke = [&](const std::string& name) {
      return linkat(AT_FDCWD, datei.c_str(), OrdnerFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    };
    // A new file takes its name at once; one that is there is renamed over.
    if (verlinke(Name)) return;
    if (errno != EEXIST || !NimmTempName(Temp, verlinke)) Aufgeben(errno, TDateiSchritt::Anlegen);
  }
  if (renameat(OrdnerFd, Temp.c_str(), OrdnerFd, Name.c_str()) != 0) Aufgeben(errno, TDateiSchritt::Anlegen);
  Temp.clear();
}

namespace {

// Keeps the file that a replacement takes the name from until the save is
// done, and lets it go beside the program: freeing its space can take the
// file system about as long as writing the new one did.
class TAbgeloest {
public:
  TAbgeloest(int ordnerFd, const std::string& name)
      : Fd(openat(ordnerFd, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC)) {}
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

std::string GespeichertText(const std::string& datei) {
  return "Die Datei \u00BB" + datei + "\u00AB ist gespeichert, aber ";
}

}  // namespace

std::optional<std::string> TAtomareDatei::Fertig() {
  SchreibeRest();
  if (Weg == TWeg::Direkt) {
    // The previous content may have been longer.
    const off_t laenge = lseek(Fd, 0, SEEK_CUR);
    if (laenge < 0 || ftruncate(Fd, laenge) != 0) Aufgeben(errno, TDateiSchritt::Schreiben);
  }
  if (fsync(Fd) != 0) Aufgeben(errno, TDateiSchritt::Schreiben);
  std::optional<std::string> hinweis;
  if (Weg == TWeg::Direkt) {
    Vorfassung->Entferne();
  } else {
    const TAbgeloest vorgaenger(OrdnerFd, Name);
    SetzeAnDieStelle();
  }
  // The content reached the disk before; the file is complete and in place.
  if (close(std::exchange(Fd, -1)) != 0)
    hinweis = GespeichertText(Pfad) + "das System meldete beim Schlie\u00DFen einen Fehler (" + DateiFehlerText(errno) + ").";
  if (Weg == TWeg::Direkt) return hinweis;
  // Make the new name durable; a folder that cannot be read cannot be synced either.
  const int dirFd = openat(OrdnerFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if ((dirFd < 0 || fsync(dirFd) != 0) && !hinweis)
    hinweis = GespeichertText(Pfad) + "ihr Ordner konnte nicht auf den Datentr\u00E4ger geschrieben werden (" +
              DateiFehlerText(errno) + ").\nNach einem Stromausfall kann dort noch die vorherige Fassung liegen.";
  if (dirFd >= 0) close(dirFd);
  return hinweis;
}

std::optional<std::string> SchreibeDateiAtomar(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
  TAtomareDatei datei(pfad);
  datei.Schreibe(bytes.data(), bytes.size());
  return datei.Fertig();
}
