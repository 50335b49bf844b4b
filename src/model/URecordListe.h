#pragma once
// An ordered list of records addressed by 1-based position, kept in one
// contiguous array: every position is reached in one step. It keeps the
// count of its CDs as records come and go, so no command has to recount.

#include "model/UIntegerWert.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The CD counts of a list's records: the sum of those that are whole numbers,
// and how many are not.
struct TCDZaehlung {
  std::int64_t Summe = 0;
  std::int64_t OhneZahl = 0;
};

template <class TRec>
class TRecordListe {
public:
  const std::vector<TRec>& Alle() const { return Saetze; }
  int Count() const { return static_cast<int>(Saetze.size()); }
  const TCDZaehlung& CDs() const { return Zaehlung; }

  // Copies record i into dest; outside 1..Count dest keeps what it held.
  void Get(int i, TRec& dest) const {
    if (i >= 1 && i <= Count()) dest = Saetze[static_cast<std::size_t>(i - 1)];
  }

  void Add(const TRec& rec) { Add(TRec(rec)); }
  void Add(TRec&& rec) {
    Zaehle(rec, 1);
    Saetze.push_back(std::move(rec));
  }

  // Any index of 1 or less addresses the first record; an index beyond the
  // count, or an empty list, leaves the list unchanged.
  void Set(int i, const TRec& rec) {
    if (Saetze.empty() || i > Count()) return;
    TRec& alt = Saetze[static_cast<std::size_t>(i < 1 ? 0 : i - 1)];
    Zaehle(alt, -1);
    Zaehle(rec, 1);
    alt = rec;
  }

  // Removes record i; outside 1..Count nothing happens.
  void Delete(int i) {
    if (i < 1 || i > Count()) return;
    Zaehle(Saetze[static_cast<std::size_t>(i - 1)], -1);
    Saetze.erase(Saetze.begin() + (i - 1));
  }

  // Gives the memory back as well: New after a large collection.
  void Clear() {
    std::vector<TRec>().swap(Saetze);
    Zaehlung = {};
  }

  // Puts the records into the given order: reihenfolge[k] is the 0-based
  // position of the record that becomes position k + 1, every position once.
  // Moves the records; no text is copied.
  void Ordne(const std::vector<std::size_t>& reihenfolge) {
    std::vector<TRec> neu;
    neu.reserve(Saetze.size());
    for (const std::size_t pos : reihenfolge) neu.push_back(std::move(Saetze[pos]));
    Saetze = std::move(neu);
  }

private:
  void Zaehle(const TRec& rec, int richtung) {
    const auto wert = IntegerWert(rec.CDAnzahl);
    Zaehlung.Summe += richtung * static_cast<std::int64_t>(wert.value_or(0));
    Zaehlung.OhneZahl += richtung * (wert ? 0 : 1);
  }

  std::vector<TRec> Saetze;
  TCDZaehlung Zaehlung;
};
