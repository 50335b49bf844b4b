#pragma once
// The workbook export that never loses the file it replaces.

#include "export/UTabelle.h"
#include "office/Automation.h"

#include <optional>
#include <string>

// What the workbook export did: whether the workbook replaced the chosen
// file, and a note on what could not be assured once it was in place.
struct TMappenExport {
  bool Gespeichert = false;
  std::optional<std::string> Hinweis;
  explicit operator bool() const { return Gespeichert; }
};

// StringgridToExcel into a new file with pfad's extension in a private folder
// under the program's runtime folder, whose content then replaces pfad as
// every file of the program is replaced (TAtomareDatei). Saved is what
// StringgridToExcel returns; when the save fails, or the saved file cannot be
// read back, nothing is replaced and the result is not saved. Putting the
// workbook in place fails as every save does (EFehler: a write-protected
// file, one that is not a regular file, a link the program does not follow),
// and on EFehler as on a failed save pfad is left as it was and the new
// file is removed. A replaced file keeps its permission bits; a symbolic
// link stays and the file it leads to is replaced.
TMappenExport ExportiereExcelDatei(TAutomation& automation, const TRaster& tabelle, const std::string& pfad);
