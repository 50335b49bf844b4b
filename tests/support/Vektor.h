#pragma once
// The store's records as an array, to compare them with the expected ones.

#include "model/USatzfolge.h"

#include <vector>

template <class TRec>
std::vector<TRec> Vektor(const TSatzfolge<TRec>& saetze) {
  return {saetze.begin(), saetze.end()};
}
