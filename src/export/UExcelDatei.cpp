#include "export/UExcelDatei.h"

#include "export/UExcelExport.h"
#include "platform/AtomareDatei.h"
#include "platform/EigeneOrdner.h"
#include "platform/PrivaterOrdner.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// ".xls" of "/a/Liste.xls"; the application picks the format by it.
std::string Endung(const std::string& pfad) {
  const auto name = pfad.find_last_of('/') + 1;  // npos + 1 is 0
  const auto punkt = pfad.find_last_of('.');
  return punkt != std::string::npos && punkt >= name ? pfad.substr(punkt) : std::string();
}

class TLesedatei {
public:
  explicit TLesedatei(const std::string& pfad) : Fd(open(pfad.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)) {}
  ~TLesedatei() {
    if (Fd >= 0) close(Fd);
  }
  TLesedatei(const TLesedatei&) = delete;
  TLesedatei& operator=(const TLesedatei&) = delete;
  const int Fd;
};

// Writes the saved workbook to pfad as every file of the program is written;
// false when it cannot be read or pfad cannot be replaced.
bool Uebernimm(const std::string& gespeichert, const std::string& pfad) {
  const TLesedatei quelle(gespeichert);
  if (quelle.Fd < 0) return false;
  try {
    TAtomareDatei datei(pfad);
    std::vector<char> puffer(1 << 16);
    for (;;) {
      const ssize_t gelesen = read(quelle.Fd, puffer.data(), puffer.size());
      if (gelesen < 0 && errno == EINTR) continue;
      if (gelesen < 0) return false;
      if (gelesen == 0) break;
      datei.Schreibe(puffer.data(), static_cast<std::size_t>(gelesen));
    }
    datei.Fertig();
    return true;
  } catch (const EFehler&) {
    return false;
  }
}

}  // namespace

bool ExportiereExcelDatei(TAutomation& automation, const TRaster& tabelle, const std::string& pfad) {
  // The application saves into a folder that only the user can enter, where
  // nobody can put a link for it to follow.
  const TPrivaterOrdner ordner(Laufzeitordner(), "mappe-");
  const std::string gespeichert = ordner.Pfad() + "/Mappe" + Endung(ZielPfad(pfad));
  return StringgridToExcel(automation, tabelle, gespeichert) && Uebernimm(gespeichert, pfad);
}
