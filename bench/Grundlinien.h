#pragma once
// What the kernel and the disk alone cost for the bytes a command reads or
// writes: the baselines the program's own times are compared with.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

// Reads the whole file with read() in 1 MiB chunks into a buffer of its size.
void LiesRoh(const std::string& pfad);

// Writes that many bytes in 1 MiB chunks to a new file at pfad, fsyncs and
// closes it.
void SchreibeMitFsync(std::uintmax_t bytes, const std::string& pfad);

// Seconds of the two, the median of five, measured once per process for each
// file or byte count; the written file goes to Benchordner() and is removed.
double GrundlinieLesen(const std::string& pfad);
double GrundlinieSchreiben(std::uintmax_t bytes);

// A counter that shows an iteration's wall-clock time as a multiple of
// sekunden; the benchmark must use real time.
benchmark::Counter Vielfaches(double sekunden);
