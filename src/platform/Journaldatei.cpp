#include "platform/Journaldatei.h"

#include "platform/Dateifehler.h"
#include "platform/EigeneOrdner.h"
#include "platform/Fehler.h"
#include "platform/Hintergrundschreiber.h"
#include "platform/Verwaist.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* Praefix = "Journal-";
constexpr std::size_t Rahmen = 8;  // length and checksum, four bytes each

// The journal the end signals sync: the one open in this program, or -1.
std::atomic<int> SignalFd{-1};

[[noreturn]] void Scheitern(int errnum) { throw EFehler(DateiFehlerText(errnum)); }

std::uint32_t Pruefsumme(std::span<const std::uint8_t> bytes) {  // FNV-1a
  std::uint32_t summe = 2166136261u;
  for (std::uint8_t b : bytes) summe = (summe ^ b) * 16777619u;
  return summe;
}

std::uint32_t Wort(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

void SyncOrdner(const std::string& ordner) {
  const int fd = open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const int fehler = fd < 0 || fsync(fd) != 0 ? errno : 0;
  if (fd >= 0) close(fd);
  if (fehler != 0) Scheitern(fehler);
}

// The whole blocks of the file, the header first.
TVerbliebenesJournal LiesBloecke(int fd, const std::string& pfad) {
  TVerbliebenesJournal journal{pfad, {}, {}, 0};
  std::vector<std::uint8_t> inhalt;
  std::uint8_t puffer[1 << 16];
  for (ssize_t n; (n = read(fd, puffer, sizeof puffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    inhalt.insert(inhalt.end(), puffer, puffer + n);
  }
  bool kopf = true;
  for (std::size_t stelle = 0; inhalt.size() - stelle >= Rahmen;) {
    const std::uint32_t laenge = Wort(&inhalt[stelle]);
    if (laenge == 0 || inhalt.size() - stelle - Rahmen < laenge) break;
    const std::span<const std::uint8_t> block(&inhalt[stelle + Rahmen], laenge);
    if (Pruefsumme(block) != Wort(&inhalt[stelle + 4])) break;
    if (kopf)
      journal.Kopf.assign(block.begin(), block.end());
    else
      journal.Bloecke.emplace_back(block.begin(), block.end());
    kopf = false;
    stelle += Rahmen + laenge;
    journal.GueltigeLaenge = stelle;
  }
  return journal;
}

void EndeSignal(int signal) {
  if (const int fd = SignalFd.load(); fd >= 0) fdatasync(fd);
  _exit(128 + signal);
}

}  // namespace

TJournaldatei::TJournaldatei(std::span<const std::uint8_t> kopf) {
  const std::string ordner = Zustandsordner();
  const std::string anfang = EigenerAnfang(ordner + "/" + Praefix);
  int fd = -1;
  for (unsigned nummer = 0; fd < 0; ++nummer) {
    DateiPfad = anfang + std::to_string(nummer);
    fd = open(DateiPfad.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) Scheitern(errno);
  }
  // Without the lock, the journal would be taken for a dead program's.
  if (flock(fd, LOCK_EX) != 0) {
    const int fehler = errno;
    close(fd);
    unlink(DateiPfad.c_str());
    Scheitern(fehler);
  }
  Oeffne(fd);
  NeuIn = ordner;
  try {
    Haenge(kopf);
  } catch (const EFehler&) {
    Entferne();
    throw;
  }
}

TJournaldatei::TJournaldatei(const std::string& pfad, std::uint64_t gueltigeLaenge) : DateiPfad(pfad) {
  const int fd = VerlassenUndGesperrt(AT_FDCWD, pfad.c_str(), O_RDWR);
  if (fd < 0) Scheitern(EACCES);
  if (ftruncate(fd, static_cast<off_t>(gueltigeLaenge)) != 0 || lseek(fd, 0, SEEK_END) < 0) {
    const int fehler = errno;
    close(fd);
    Scheitern(fehler);
  }
  Oeffne(fd);
}

void TJournaldatei::Oeffne(int fd) {
  Fd = fd;
  SignalFd.store(fd);
}

TJournaldatei::~TJournaldatei() {
  if (Fd < 0) return;
  try {
    Synchronisiere();
  } catch (const EFehler&) {  // kept as far as it got
  }
  Schliesse();
}

void TJournaldatei::Schliesse() {
  int offen = Fd;
  SignalFd.compare_exchange_strong(offen, -1);
  close(Fd);
  Fd = -1;
  Offen = false;
}

void TJournaldatei::Haenge(std::span<const std::uint8_t> block) {
  std::vector<std::uint8_t> rahmen(Rahmen + block.size());
  const std::uint32_t laenge = static_cast<std::uint32_t>(block.size()), summe = Pruefsumme(block);
  for (int b = 0; b < 4; ++b) {
    rahmen[b] = static_cast<std::uint8_t>(laenge >> (8 * b));
    rahmen[4 + b] = static_cast<std::uint8_t>(summe >> (8 * b));
  }
  std::copy(block.begin(), block.end(), rahmen.begin() + Rahmen);
  Offen = true;
  if (const int fehler = SchreibeGanz(Fd, rahmen.data(), rahmen.size())) Scheitern(fehler);
}

void TJournaldatei::Synchronisiere() {
  if (!Offen) return;
  if (fdatasync(Fd) != 0) Scheitern(errno);
  if (!NeuIn.empty()) SyncOrdner(NeuIn);
  NeuIn.clear();
  Offen = false;
}

void TJournaldatei::Entferne() {
  if (Fd < 0) return;
  unlink(DateiPfad.c_str());
  Schliesse();
}

std::vector<TVerbliebenesJournal> VerbliebeneJournale() {
  std::vector<TVerbliebenesJournal> journale;
  for (const std::string& pfad : ImZustandsordner(Praefix)) {
    const int fd = VerlassenUndGesperrt(AT_FDCWD, pfad.c_str(), O_RDWR);
    if (fd < 0) continue;
    TVerbliebenesJournal journal = LiesBloecke(fd, pfad);
    close(fd);
    if (journal.Kopf.empty())
      unlink(pfad.c_str());
    else
      journale.push_back(std::move(journal));
  }
  return journale;
}

void VerwirfJournal(const std::string& pfad) { unlink(pfad.c_str()); }

void SichereJournalBeiEndesignal() {
  struct sigaction aktion {};
  aktion.sa_handler = EndeSignal;
  sigemptyset(&aktion.sa_mask);
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &aktion, nullptr);
}
