#include "platform/Verwaist.h"

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The process id that name carries after praefix; 0 when it carries none.
pid_t ProzessIm(const std::string& name, const std::string& praefix) {
  if (name.compare(0, praefix.size(), praefix) != 0) return 0;
  const std::size_t anfang = praefix.size();
  const std::size_t ende = name.find_first_not_of("0123456789", anfang);
  if (ende == anfang || ende == std::string::npos || name[ende] != '-' || ende - anfang > 9) return 0;
  return static_cast<pid_t>(std::stol(name.substr(anfang, ende - anfang)));
}

// A process of another user is there too, although it may not be signalled.
bool Laeuft(pid_t prozess) { return kill(prozess, 0) == 0 || errno != ESRCH; }

// Removes name from the folder when it is a regular file of this user's whose
// lock can be taken, and it still names the file that was locked.
void EntferneWennVerlassen(int ordnerFd, const char* name) {
  const int fd = VerlassenUndGesperrt(ordnerFd, name, O_RDONLY);
  if (fd < 0) return;
  struct stat offen {}, jetzt {};
  if (fstat(fd, &offen) == 0 && fstatat(ordnerFd, name, &jetzt, AT_SYMLINK_NOFOLLOW) == 0 &&
      jetzt.st_dev == offen.st_dev && jetzt.st_ino == offen.st_ino)
    unlinkat(ordnerFd, name, 0);
  close(fd);
}

}  // namespace

std::string EigenerAnfang(const std::string& praefix) { return praefix + std::to_string(getpid()) + "-"; }

int VerlassenUndGesperrt(int ordnerFd, const char* name, int modus) {
  const int fd = openat(ordnerFd, name, modus | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() && flock(fd, LOCK_EX | LOCK_NB) == 0)
    return fd;
  close(fd);
  return -1;
}

void EntferneVerwaiste(int ordnerFd, const std::string& praefix) {
  const int lesen = openat(ordnerFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (lesen < 0) return;
  const std::unique_ptr<DIR, int (*)(DIR*)> verzeichnis(fdopendir(lesen), closedir);
  if (!verzeichnis) {
    close(lesen);
    return;
  }
  while (const dirent* eintrag = readdir(verzeichnis.get())) {
    const pid_t prozess = ProzessIm(eintrag->d_name, praefix);
    if (prozess > 0 && !Laeuft(prozess)) EntferneWennVerlassen(ordnerFd, eintrag->d_name);
  }
}

void EntferneVerwaiste(const std::string& ordner, const std::string& praefix) {
  const int fd = open(ordner.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  EntferneVerwaiste(fd, praefix);
  close(fd);
}
