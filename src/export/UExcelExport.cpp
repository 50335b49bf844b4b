#include "export/UExcelExport.h"

#include <cstdint>

namespace {

// Excel's template constant for a workbook with a single worksheet.
constexpr std::int16_t xlWBATWorksheet = -4167;

TDispatchPtr Objekt(const TVariant& wert) {
  if (const auto* objekt = std::get_if<TDispatchPtr>(&wert); objekt && *objekt) return *objekt;
  throw EFehler(Typenkonflikt);
}

// The application invisible, a workbook of one sheet, named and filled.
void Fuelle(TDispatch& excel, TDispatchPtr& sheet, const TRaster& tabelle) {
  excel.Put("Visible", {}, false);
  Objekt(excel.Call("Workbooks"))->Call("Add", {xlWBATWorksheet});
  sheet = Objekt(Objekt(excel.Get("Workbooks", {1}))->Get("WorkSheets", {1}));
  sheet->Put("Name", {}, std::string("My Sheet Name"));
  for (int c = 0; c < tabelle.SpaltenZahl(); ++c)
    for (int r = 0; r < tabelle.ZeilenZahl(); ++r) sheet->Put("Cells", {r + 1, c + 1}, tabelle.Zelle(r, c));
}

// Fetching the workbook and saving it; a failure of either is a false result.
bool Speichere(TDispatch& excel, const std::string& dateiname) {
  std::string name = dateiname;
  try {
    Objekt(excel.Get("Workbooks", {1}))->Call("saveas", {TStringRef(name)});
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// No alerts, quit, and the application and the sheet released.
void Beende(TDispatchPtr& excel, TDispatchPtr& sheet) {
  excel->Put("DisplayAlerts", {}, false);
  excel->Call("Quit");
  excel.reset();
  sheet.reset();
}

}  // namespace

bool StringgridToExcel(TAutomation& automation, const TRaster& tabelle, const std::string& dateiname) {
  TDispatchPtr excel = automation.CreateOleObject("Excel.Application");
  TDispatchPtr sheet;
  bool gespeichert = false;
  try {
    Fuelle(*excel, sheet, tabelle);
    gespeichert = Speichere(*excel, dateiname);
  } catch (...) {
    Beende(excel, sheet);
    throw;
  }
  Beende(excel, sheet);
  return gespeichert;
}
