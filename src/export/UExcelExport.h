#pragma once
// Copying a table of texts into a new workbook of the spreadsheet application
// and saving it, through late-bound automation.

#include "export/UTabelle.h"
#include "office/Automation.h"

#include <string>

// Starts "Excel.Application" invisible, adds a workbook of one worksheet named
// "My Sheet Name", puts every cell of tabelle as text, column by column (sheet
// row r + 1, column c + 1 holds the text of column c in row r, a text missing
// from a short row as an empty one), saves the workbook as dateiname (a full
// path) and quits the application again.
// Returns true when the save succeeded and false when it failed. Every other
// failure passes to the caller as EFehler; once the application object exists
// it is told to quit first.
bool StringgridToExcel(TAutomation& automation, const TRaster& tabelle, const std::string& dateiname);
