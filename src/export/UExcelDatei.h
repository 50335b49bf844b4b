#pragma once
// The workbook export that never loses the file it replaces.

#include "export/UTabelle.h"
#include "office/Automation.h"

#include <string>

// StringgridToExcel into a new hidden file beside pfad with pfad's extension,
// which then is renamed over pfad; returns what StringgridToExcel returns.
// Only a successful save replaces pfad, and a replaced file keeps its
// permission bits; a symbolic link stays and the file it leads to is
// replaced. When the save fails, when pfad is a write-protected file
// or when the rename fails the result is false, and on false as on EFehler
// pfad is left as it was and the new file is removed.
bool ExportiereExcelDatei(TAutomation& automation, const TRaster& tabelle, const std::string& pfad);
