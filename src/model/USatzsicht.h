#pragma once
// The records of one list read by 0-based position, wherever they lie: in an
// array, or in the store's blocks. Nothing is copied; what it is made from
// must outlive it.

#include "model/USatzfolge.h"

#include <cstddef>
#include <span>

template <class TRec>
class TSatzsicht {
public:
  TSatzsicht(std::span<const TRec> saetze) : Quelle(saetze.data()), Anzahl(saetze.size()), Lies(&AusFeld) {}
  TSatzsicht(const TSatzfolge<TRec>& saetze) : Quelle(&saetze), Anzahl(saetze.size()), Lies(&AusFolge) {}

  std::size_t size() const { return Anzahl; }
  const TRec& operator[](std::size_t k) const { return Lies(Quelle, k); }

private:
  static const TRec& AusFeld(const void* quelle, std::size_t k) { return static_cast<const TRec*>(quelle)[k]; }
  static const TRec& AusFolge(const void* quelle, std::size_t k) {
    return (*static_cast<const TSatzfolge<TRec>*>(quelle))[k];
  }

  const void* Quelle;
  std::size_t Anzahl;
  const TRec& (*Lies)(const void*, std::size_t);
};
