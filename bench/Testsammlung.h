#pragma once
// The collections the benchmarks load: n films and n games with German titles
// in code page 1252, and a few hundred lending and wish-list entries. The same
// n always gives the same collection.

#include "model/USammlungsdatei.h"

#include <cstdint>
#include <string>

TSammlung Testsammlung(int anzahl);

// The file of Testsammlung(anzahl), written by the program's own writer the
// first time it is asked for. It lies in SCHEIBWART_BENCH_SAMMLUNGEN where
// that names a folder, so that several programs of one run share it, else in
// Benchordner().
const std::string& Testsammlungsdatei(int anzahl);

// This process's temporary folder for what the commands write; removed with
// everything in it when the process ends.
const std::string& Benchordner();

std::uintmax_t Dateigroesse(const std::string& pfad);
