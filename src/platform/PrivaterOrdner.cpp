#include "platform/PrivaterOrdner.h"

#include "platform/Dateifehler.h"
#include "platform/Fehler.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder pfad of this user's (not a link), opened and locked; -1 when it
// is not such a folder or someone else holds its lock.
int Gesperrt(const std::string& pfad) {
  const int fd = open(pfad.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || st.st_uid != geteuid() || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// Removes the folders named praefix... in oberordner whose program is gone.
void EntferneVerlassene(const std::string& oberordner, const std::string& praefix) {
  const std::unique_ptr<DIR, int (*)(DIR*)> eintraege(opendir(oberordner.c_str()), closedir);
  if (!eintraege) return;
  while (const dirent* eintrag = readdir(eintraege.get())) {
    const std::string name = eintrag->d_name;
    if (!name.starts_with(praefix)) continue;
    const std::string pfad = oberordner + "/" + name;
    if (const int fd = Gesperrt(pfad); fd >= 0) {
      std::error_code egal;
      std::filesystem::remove_all(pfad, egal);
      close(fd);
    }
  }
}

// True while fd is still the folder at pfad: a clean-up of another program
// may have removed it between making and locking.
bool NochDa(int fd, const std::string& pfad) {
  struct stat offen {}, da {};
  return fstat(fd, &offen) == 0 && lstat(pfad.c_str(), &da) == 0 && offen.st_dev == da.st_dev &&
         offen.st_ino == da.st_ino;
}

}  // namespace

TPrivaterOrdner::TPrivaterOrdner(const std::string& oberordner, const std::string& praefix) {
  EntferneVerlassene(oberordner, praefix);
  // A folder that the clean-up of another program took before it was locked
  // is made anew; one that cannot be locked at all ends the attempt.
  for (int versuch = 1;; ++versuch) {
    std::string muster = oberordner + "/" + praefix + "XXXXXX";
    if (mkdtemp(muster.data()) == nullptr) throw EFehler(DateiFehlerText(errno));
    Sperre = Gesperrt(muster);
    if (Sperre >= 0 && NochDa(Sperre, muster)) {
      Ordner = muster;
      return;
    }
    const int fehler = errno;
    if (Sperre >= 0) close(Sperre);
    rmdir(muster.c_str());
    if (versuch == 3) throw EFehler(DateiFehlerText(fehler));
  }
}

TPrivaterOrdner::~TPrivaterOrdner() {
  std::error_code egal;
  std::filesystem::remove_all(Ordner, egal);
  close(Sperre);  // only now, so that no clean-up takes a folder half removed
}
