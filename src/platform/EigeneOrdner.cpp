#include "platform/EigeneOrdner.h"

#include "platform/Dateifehler.h"
#include "platform/Fehler.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <string_view>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Scheitern(int errnum) { throw EFehler(DateiFehlerText(errnum)); }

// One of the desktop's folder variables (XDG_..., HOME); a relative value is
// invalid and counts as unset.
std::string AbsoluteVariable(const char* name) {
  const char* wert = std::getenv(name);
  return wert != nullptr && wert[0] == '/' ? wert : std::string();
}

std::string Heimordner() {
  if (std::string heim = AbsoluteVariable("HOME"); !heim.empty()) return heim;
  const passwd* konto = getpwuid(geteuid());
  return konto != nullptr && konto->pw_dir != nullptr ? konto->pw_dir : "/";
}

}  // namespace

std::string EigenerOrdner(const std::string& pfad) {
  // Parents first: each one missing is made 0700, one that is there stays as it is.
  for (std::size_t schnitt = pfad.find('/', 1); schnitt != std::string::npos; schnitt = pfad.find('/', schnitt + 1))
    if (mkdir(pfad.substr(0, schnitt).c_str(), 0700) != 0 && errno != EEXIST) Scheitern(errno);
  if (mkdir(pfad.c_str(), 0700) != 0 && errno != EEXIST) Scheitern(errno);

  const int fd = open(pfad.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  // A link or a file in its place is not the program's folder.
  if (fd < 0) Scheitern(errno == ELOOP || errno == ENOTDIR ? EACCES : errno);
  struct stat st {};
  const bool eigen = fstat(fd, &st) == 0 && st.st_uid == geteuid() &&
                     ((st.st_mode & 077) == 0 || fchmod(fd, st.st_mode & 07700) == 0);
  close(fd);
  if (!eigen) Scheitern(EACCES);
  return pfad;
}

std::string ZustandsordnerPfad() {
  std::string basis = AbsoluteVariable("XDG_STATE_HOME");
  if (basis.empty()) basis = Heimordner() + "/.local/state";
  return basis + "/scheibwart";
}

std::string Zustandsordner() { return EigenerOrdner(ZustandsordnerPfad()); }

std::vector<std::string> ImZustandsordner(const std::string& praefix) {
  std::vector<std::string> pfade;
  std::string ordner;
  try {
    if (access(ZustandsordnerPfad().c_str(), F_OK) != 0) return pfade;
    ordner = Zustandsordner();
  } catch (const EFehler&) {
    return pfade;
  }
  const std::unique_ptr<DIR, int (*)(DIR*)> verzeichnis(opendir(ordner.c_str()), closedir);
  if (!verzeichnis) return pfade;
  while (const dirent* eintrag = readdir(verzeichnis.get()))
    if (std::string_view(eintrag->d_name).starts_with(praefix)) pfade.push_back(ordner + "/" + eintrag->d_name);
  return pfade;
}

std::string Laufzeitordner() {
  if (const std::string laufzeit = AbsoluteVariable("XDG_RUNTIME_DIR"); !laufzeit.empty())
    return EigenerOrdner(laufzeit + "/scheibwart");
  std::string tmp = AbsoluteVariable("TMPDIR");
  if (tmp.empty()) tmp = "/tmp";
  return EigenerOrdner(tmp + "/scheibwart-" + std::to_string(geteuid()));
}
