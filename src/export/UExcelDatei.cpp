#include "export/UExcelDatei.h"

#include "export/UExcelExport.h"
#include "platform/AtomareDatei.h"
#include "platform/Deskriptor.h"
#include "platform/EigeneOrdner.h"
#include "platform/PrivaterOrdner.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// ".xls" of "/a/Liste.xls"; the application picks the format by it.
std::string Endung(const std::string& pfad) {
  const auto name = pfad.find_last_of('/') + 1;  // npos + 1 is 0
  const auto punkt = pfad.find_last_of('.');
  return punkt != std::string::npos && punkt >= name ? pfad.substr(punkt) : std::string();
}

// Writes the saved workbook to pfad as every file of the program is written,
// and fails as they fail; not saved when the saved file cannot be read.
TMappenExport Uebernimm(const std::string& gespeichert, const std::string& pfad) {
  const TDeskriptor quelle(open(gespeichert.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (quelle < 0) return {};
  TAtomareDatei datei(pfad);
  std::vector<char> puffer(1 << 16);
  for (;;) {
    const ssize_t gelesen = read(quelle, puffer.data(), puffer.size());
    if (gelesen < 0 && errno == EINTR) continue;
    if (gelesen < 0) return {};
    if (gelesen == 0) break;
    datei.Schreibe(puffer.data(), static_cast<std::size_t>(gelesen));
  }
  return TMappenExport{true, datei.Fertig()};
}

// Removes the runtime folder when it goes, if nothing is left in it: where
// the session has no runtime folder of its own it lies in the shared /tmp.
class TLeerWeg {
public:
  explicit TLeerWeg(std::string pfad) : Pfad(std::move(pfad)) {}
  ~TLeerWeg() { rmdir(Pfad.c_str()); }
  TLeerWeg(const TLeerWeg&) = delete;
  TLeerWeg& operator=(const TLeerWeg&) = delete;
  const std::string Pfad;
};

}  // namespace

TMappenExport ExportiereExcelDatei(TAutomation& automation, const TRaster& tabelle, const std::string& pfad) {
  const TLeerWeg laufzeit(Laufzeitordner());
  // The application saves into a folder that only the user can enter, where
  // nobody can put a link for it to follow.
  const TPrivaterOrdner ordner(laufzeit.Pfad, "mappe-");
  const std::string gespeichert = ordner.Pfad() + "/Mappe" + Endung(ZielPfad(pfad));
  if (!StringgridToExcel(automation, tabelle, gespeichert)) return {};
  return Uebernimm(gespeichert, pfad);
}
