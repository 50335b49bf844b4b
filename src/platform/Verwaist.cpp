#include "platform/Verwaist.h"

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <system_error>
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

}  // namespace

std::string EigenerAnfang(const std::string& praefix) { return praefix + std::to_string(getpid()) + "-"; }

void EntferneVerwaiste(const std::string& ordner, const std::string& praefix) {
  const std::unique_ptr<DIR, int (*)(DIR*)> verzeichnis(opendir(ordner.c_str()), closedir);
  if (!verzeichnis) return;
  while (const dirent* eintrag = readdir(verzeichnis.get())) {
    const std::string name = eintrag->d_name;
    const pid_t prozess = ProzessIm(name, praefix);
    struct stat st {};
    if (prozess <= 0 || Laeuft(prozess) ||
        fstatat(dirfd(verzeichnis.get()), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || st.st_uid != geteuid())
      continue;
    std::error_code egal;
    std::filesystem::remove_all(ordner + "/" + name, egal);
  }
}
