#pragma once
// The LibreOffice filter that saves a workbook in the format its file name
// asks for.

#include <string>

// By the extension, in any case: ".xlsx" the Excel 2007 format, ".ods" the
// OpenDocument spreadsheet, everything else (".xls" above all) "MS Excel 97".
std::string CalcFilter(const std::string& dateiname);
