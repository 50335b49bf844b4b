#pragma once
// The frame of the data-path benchmarks: the collection sizes a run covers,
// their registration size by size, and how a benchmark reports a fault.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

// Films and games each: the comma-separated list in SCHEIBWART_BENCH_GROESSEN,
// or 10,000, 100,000 and 200,000 where it is unset or empty.
std::vector<int> Benchgroessen();

struct TMessung {
  std::string Name;
  std::function<void(benchmark::State&)> Funktion;
  // Fixed iterations where each one needs a costly untimed set-up; 0 lets the
  // library choose by --benchmark_min_time.
  int Iterationen = 0;
};

// Registers every measurement at every size, size by size, in milliseconds of
// wall-clock time. The size is the benchmark's argument: "Aendern/100000".
bool RegistriereJeGroesse(const std::vector<TMessung>& messungen);

inline int Anzahl(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// Marks the benchmark as failed with the text unless it is empty.
void Melde(benchmark::State& state, const std::string& stoerung);
// Marks the benchmark as failed unless erfuellt; was says what was expected.
void Erwarte(benchmark::State& state, bool erfuellt, const std::string& was);
