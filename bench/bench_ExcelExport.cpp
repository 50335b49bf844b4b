// The workbook export of a large film collection, from the first automation
// call to the saved file, with LibreOffice's start and end.

#include "export/UExcelDatei.h"
#include "export/UTabelle.h"
#include "office/LibreOfficeAutomation.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void FuelleFilme(TDatBas& datBas, int anzahl) {
  for (int i = 1; i <= anzahl; ++i)
    datBas.AddFilm({"Film Nummer " + std::to_string(i) + " \xFC" "ber das Meer", std::to_string(1 + i % 3),
                    i % 2 ? "DVD" : "DivX 5.x", "Abenteuer",
                    i % 4 ? "" : "Kommentar zu Film " + std::to_string(i)});
}

void ExcelExport10000Filme(benchmark::State& state) {
  TDatBas datBas;
  FuelleFilme(datBas, 10000);
  const TSammlungstabelle tabelle = Uebersicht(datBas, TSammlungsart::Filme);
  char muster[] = "/tmp/scheibwart-bench-XXXXXX";
  if (mkdtemp(muster) == nullptr) return state.SkipWithError("kein Ordner unter /tmp");
  const std::string ordner = muster;
  TLibreOfficeAutomation automation("", "", CALC_MODUL);
  for (auto _ : state) {
    if (!ExportiereExcelDatei(automation, tabelle, ordner + "/Filme.xls"))
      state.SkipWithError("Speichern fehlgeschlagen");
  }
  state.counters["Zellen"] = static_cast<double>(tabelle.SpaltenZahl()) * static_cast<double>(tabelle.ZeilenZahl());
  std::filesystem::remove_all(ordner);
}

}  // namespace

BENCHMARK(ExcelExport10000Filme)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
