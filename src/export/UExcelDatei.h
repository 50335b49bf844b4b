#pragma once
// The workbook export that never loses the file it replaces.

#include "export/UTabelle.h"
#include "office/Automation.h"

#include <string>

// StringgridToExcel into a new file with pfad's extension in a private folder
// under the program's runtime folder, whose content then replaces pfad as
// every file of the program is replaced (TAtomareDatei); returns what
// StringgridToExcel returns. Only a successful save replaces pfad, and a
// replaced file keeps its permission bits; a symbolic link stays and the file
// it leads to is replaced. When the save fails, when pfad is a
// write-protected file, not a file at all, or cannot be replaced the result is
// false, and on false as on EFehler pfad is left as it was and the new file
// is removed.
bool ExportiereExcelDatei(TAutomation& automation, const TRaster& tabelle, const std::string& pfad);
