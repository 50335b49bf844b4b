#include "platform/Vorfassung.h"

#include "platform/Dateifehler.h"
#include "platform/Deskriptor.h"
#include "platform/EigeneOrdner.h"
#include "platform/Fehler.h"
#include "platform/Hintergrundschreiber.h"
#include "platform/Verwaist.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <tuple>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Copies and the notes of their files: "Fassung-<pid>-<n>" and the same with ".ort".
constexpr const char* KopiePraefix = "Fassung-";
constexpr const char* OrtEndung = ".ort";

[[noreturn]] void Scheitern(int errnum) { throw EFehler(DateiFehlerText(errnum)); }

// Copies the whole content of von to nach, from the start of both, and
// gives nach that length; returns 0 or the errno of the failure.
int KopiereInhalt(int von, int nach, std::span<std::uint8_t> puffer) {
  off_t stelle = 0;
  for (;;) {
    const ssize_t n = pread(von, puffer.data(), puffer.size(), stelle);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    if (const int fehler = SchreibeGanz(nach, puffer.data(), static_cast<std::size_t>(n))) return fehler;
    stelle += n;
  }
  return ftruncate(nach, stelle) == 0 ? 0 : errno;
}

int SchreibeVoll(const std::string& pfad, const std::string& inhalt) {
  const TDeskriptor fd(open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (fd < 0) return errno;
  if (const int fehler = SchreibeGanz(fd, reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size()))
    return fehler;
  return fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

TVorfassung::TVorfassung(int fd, const std::string& pfad, std::span<std::uint8_t> puffer) : Datei(pfad) {
  const std::string ordner = Zustandsordner();
  const std::string anfang = EigenerAnfang(ordner + "/" + KopiePraefix);
  for (unsigned nummer = 0; Fd < 0; ++nummer) {
    KopiePfad = anfang + std::to_string(nummer);
    Fd = open(KopiePfad.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (Fd < 0 && errno != EEXIST) Scheitern(errno);
  }
  // A copy the lock does not cover would be taken for a dead program's.
  int fehler = flock(Fd, LOCK_EX) == 0 ? 0 : errno;
  if (fehler == 0) fehler = KopiereInhalt(fd, Fd, puffer);
  if (fehler == 0 && fsync(Fd) != 0) fehler = errno;
  if (fehler == 0) fehler = SchreibeVoll(KopiePfad + OrtEndung, pfad);
  if (fehler == 0) {
    const TDeskriptor ordnerFd(open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (ordnerFd < 0 || fsync(ordnerFd) != 0) fehler = errno;
  }
  if (fehler != 0) {
    Entferne();
    Scheitern(fehler);
  }
}

TVorfassung::~TVorfassung() {
  if (Fd >= 0) close(Fd);
}

void TVorfassung::Entferne() {
  unlink((KopiePfad + OrtEndung).c_str());
  unlink(KopiePfad.c_str());
  close(Fd);
  Fd = -1;
}

void TVorfassung::Erledigt() {
  Entferne();
  for (const TVerbliebeneFassung& fassung : VerbliebeneFassungen())
    if (fassung.Datei == Datei) VerwirfFassung(fassung);
}

std::vector<TVerbliebeneFassung> VerbliebeneFassungen() {
  std::vector<TVerbliebeneFassung> fassungen;
  std::vector<std::string> kopien = ImZustandsordner(KopiePraefix);
  std::erase_if(kopien, [](const std::string& pfad) { return pfad.ends_with(OrtEndung); });
  for (const std::string& kopie : kopien) {
    const TDeskriptor fd(VerlassenUndGesperrt(AT_FDCWD, kopie.c_str(), O_RDONLY));
    if (fd < 0) continue;
    const TDeskriptor ort(open((kopie + OrtEndung).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    std::string datei;
    char puffer[4096];
    for (ssize_t n; ort >= 0 && (n = read(ort, puffer, sizeof puffer)) > 0;) datei.append(puffer, static_cast<std::size_t>(n));
    struct stat st {};
    if (ort < 0 && errno == ENOENT)
      unlink(kopie.c_str());
    else if (!datei.empty() && fstat(fd, &st) == 0)
      fassungen.push_back({kopie, datei, st.st_mtime});
  }
  std::sort(fassungen.begin(), fassungen.end(),
            [](const auto& a, const auto& b) { return std::tie(a.Zeit, a.Kopie) < std::tie(b.Zeit, b.Kopie); });
  return fassungen;
}

void StelleWiederHer(const TVerbliebeneFassung& fassung) {
  const TDeskriptor kopie(VerlassenUndGesperrt(AT_FDCWD, fassung.Kopie.c_str(), O_RDONLY));
  if (kopie < 0) Scheitern(EACCES);
  const TDeskriptor datei(open(fassung.Datei.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  // A link, or a pipe or device without a reader, is not the file that was saved.
  if (datei < 0) Scheitern(errno == ELOOP || errno == ENXIO ? EACCES : errno);
  struct stat st {};
  if (fstat(datei, &st) != 0) Scheitern(errno);
  if (!S_ISREG(st.st_mode)) Scheitern(EACCES);
  const auto puffer = std::make_unique<std::uint8_t[]>(1 << 18);
  if (const int fehler = KopiereInhalt(kopie, datei, {puffer.get(), 1 << 18})) Scheitern(fehler);
  if (fsync(datei) != 0) Scheitern(errno);
  VerwirfFassung(fassung);
}

void VerwirfFassung(const TVerbliebeneFassung& fassung) {
  unlink((fassung.Kopie + OrtEndung).c_str());
  unlink(fassung.Kopie.c_str());
}
