#pragma once
// An ordered list of records addressed by 1-based position. Reading,
// changing, appending and removing a record cost the same at any length, and
// it keeps the count of its CDs as records come and go, so no command has to
// recount.

#include "model/UIntegerWert.h"
#include "model/USatzfolge.h"

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
  const TSatzfolge<TRec>& Alle() const { return Saetze; }
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
    Saetze.erase(static_cast<std::size_t>(i - 1));
  }

  // Gives the memory back as well: New after a large collection.
  void Clear() {
    Saetze = {};
    Zaehlung = {};
  }

  // Puts the records into the given order: reihenfolge[k] is where the
  // record that becomes position k + 1 lies in this list (as Alle() shows
  // it), every record once. Moves the records; no text is copied.
  void Ordne(const std::vector<const TRec*>& reihenfolge) {
    TSatzfolge<TRec> neu;
    for (const TRec* rec : reihenfolge) neu.push_back(std::move(const_cast<TRec&>(*rec)));  // our own records
    Saetze = std::move(neu);
  }

private:
  void Zaehle(const TRec& rec, int richtung) {
    const auto wert = IntegerWert(rec.CDAnzahl);
    Zaehlung.Summe += richtung * static_cast<std::int64_t>(wert.value_or(0));
    Zaehlung.OhneZahl += richtung * (wert ? 0 : 1);
  }

  TSatzfolge<TRec> Saetze;
  TCDZaehlung Zaehlung;
};
