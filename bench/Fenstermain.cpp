// The main of the benchmark programs that drive the program's windows: the
// offscreen application, then the benchmarks.

#include "Benchprogramm.h"

#include <benchmark/benchmark.h>

namespace {

// The console lines with the multiples of a baseline as plain numbers; the
// library would show the inverted rate they are computed as with a unit.
class TKonsole : public benchmark::ConsoleReporter {
public:
  TKonsole() : ConsoleReporter(OO_None) {}

  void ReportRuns(const std::vector<Run>& laeufe) override {
    std::vector<Run> angezeigt = laeufe;
    for (Run& lauf : angezeigt)
      for (auto& [name, zaehler] : lauf.counters) zaehler.flags = benchmark::Counter::kDefaults;
    ConsoleReporter::ReportRuns(angezeigt);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const auto anwendung = OffscreenAnwendung(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TKonsole konsole;
  benchmark::RunSpecifiedBenchmarks(&konsole);
  benchmark::Shutdown();
  return 0;
}
