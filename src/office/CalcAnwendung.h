#pragma once
// "Excel.Application" served by LibreOffice Calc: the members the workbook
// export calls, each done with a private office.
//
//   application  Visible = bool (the office stays invisible), DisplayAlerts =
//                bool (it never asks), Workbooks, Workbooks(n), Quit
//   Workbooks    Add, Add(-4167): a new workbook of one sheet
//   workbook     WorkSheets(n), saveas(file name), the format by the extension
//   sheet        Name = text, Cells(row, column) = text
//
// Quit, or releasing the application object, ends the office; its other
// objects fail from then on.

#include "office/Automation.h"

#include <string>

// Starts the private office of programmOrdner (the folder of soffice.bin),
// keeping its user installation under arbeitsOrdner. Fails with EFehler
// "Fehler bei der Serverausführung".
TDispatchPtr NeueCalcAnwendung(const std::string& programmOrdner, const std::string& arbeitsOrdner);
