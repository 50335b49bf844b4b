#include "export/UExcelDatei.h"

#include "export/UExcelExport.h"
#include "platform/AtomareDatei.h"
#include "platform/Verwaist.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// ".xls" of "/a/Liste.xls"; the application picks the format by it.
std::string Endung(const std::string& pfad) {
  const auto name = pfad.find_last_of('/') + 1;  // npos + 1 is 0
  const auto punkt = pfad.find_last_of('.');
  return punkt != std::string::npos && punkt >= name ? pfad.substr(punkt) : std::string();
}

// A name in the folder of pfad that nothing has yet. A folder that cannot be
// looked into ends the search too; the save then fails there. What killed
// exports left there goes first.
std::string FreierName(const std::string& pfad) {
  const std::string ordner = Verzeichnis(pfad);
  EntferneVerwaiste(ordner, TempDateiPraefix);
  const std::string anfang = EigenerAnfang(ordner + "/" + TempDateiPraefix);
  for (unsigned nummer = 0;; ++nummer) {
    std::string name = anfang + std::to_string(nummer) + Endung(pfad);
    struct stat st {};
    if (lstat(name.c_str(), &st) != 0) return name;
  }
}

// Puts the saved file in place of pfad, keeping the permission bits of the
// file it replaces.
bool Ersetze(const std::string& neu, const std::string& pfad) {
  struct stat alt {};
  if (stat(pfad.c_str(), &alt) == 0) {
    if (access(pfad.c_str(), W_OK) != 0) return false;
    if (S_ISREG(alt.st_mode)) chmod(neu.c_str(), alt.st_mode & 07777);
  }
  return rename(neu.c_str(), pfad.c_str()) == 0;
}

// Removes the new file on every way out, unless it has been put in place.
class TNeueDatei {
public:
  explicit TNeueDatei(std::string pfad) : Pfad(std::move(pfad)) {}
  ~TNeueDatei() {
    if (!Uebernommen) unlink(Pfad.c_str());
  }
  TNeueDatei(const TNeueDatei&) = delete;
  TNeueDatei& operator=(const TNeueDatei&) = delete;

  const std::string Pfad;
  bool Uebernommen = false;
};

}  // namespace

bool ExportiereExcelDatei(TAutomation& automation, const TRaster& tabelle, const std::string& pfad) {
  // A workbook chosen through a symbolic link replaces the file it leads to.
  const std::string ziel = ZielPfad(pfad);
  TNeueDatei neu(FreierName(ziel));
  if (!StringgridToExcel(automation, tabelle, neu.Pfad)) return false;
  neu.Uebernommen = Ersetze(neu.Pfad, ziel);
  return neu.Uebernommen;
}
