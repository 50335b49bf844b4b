// Saving the collection and the file exports of the main window, each against
// writing the same number of bytes with fsync.

#include "Benchprogramm.h"
#include "Benchrahmen.h"
#include "Grundlinien.h"
#include "Testsammlung.h"

#include <filesystem>

namespace {

// The file a command wrote, against the baseline for its size.
void Vergleiche(benchmark::State& state, const std::string& datei) {
  if (!std::filesystem::exists(datei)) return Erwarte(state, false, "die Datei " + datei);
  const std::uintmax_t bytes = Dateigroesse(datei);
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["x_SchreibenFsync"] = Vielfaches(GrundlinieSchreiben(bytes));
}

// The Save command over the same file each time, as a user saves again.
void Speichern(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  const std::string ziel = Benchordner() + "/Gespeichert.swl";
  for (auto _ : state) programm.Speichere(ziel);
  Melde(state, programm.Stoerung());
  Vergleiche(state, ziel);
}

void Exportieren(benchmark::State& state, const TExport& art) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  std::string datei;
  for (auto _ : state) datei = programm.Exportiere(art, Benchordner());
  Melde(state, programm.Stoerung());
  Vergleiche(state, datei);
}

std::vector<TMessung> Messungen() {
  std::vector<TMessung> messungen = {{"Speichern", Speichern}};
  for (const TExport& art : Exporte)
    messungen.push_back({art.Name, [&art](benchmark::State& state) { Exportieren(state, art); }});
  return messungen;
}

[[maybe_unused]] const bool Registriert = RegistriereJeGroesse(Messungen());

}  // namespace
