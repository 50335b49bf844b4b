#include "Benchrahmen.h"

#include <cstdlib>
#include <sstream>

std::vector<int> Benchgroessen() {
  const char* liste = std::getenv("SCHEIBWART_BENCH_GROESSEN");
  if (liste == nullptr || *liste == '\0') return {10000, 100000, 200000};
  std::vector<int> groessen;
  std::istringstream eingabe(liste);
  for (std::string teil; std::getline(eingabe, teil, ',');) groessen.push_back(std::stoi(teil));
  return groessen;
}

bool RegistriereJeGroesse(const std::vector<TMessung>& messungen) {
  for (const int groesse : Benchgroessen()) {
    for (const TMessung& messung : messungen) {
      benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(messung.Name.c_str(), messung.Funktion);
      b->Arg(groesse)->Unit(benchmark::kMillisecond)->UseRealTime();
      if (messung.Iterationen > 0) b->Iterations(messung.Iterationen);
    }
  }
  return true;
}

void Melde(benchmark::State& state, const std::string& stoerung) {
  if (!stoerung.empty()) state.SkipWithError(stoerung.c_str());
}

void Erwarte(benchmark::State& state, bool erfuellt, const std::string& was) {
  if (!erfuellt) state.SkipWithError(("erwartet: " + was).c_str());
}
