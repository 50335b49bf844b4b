#pragma once
// The collection file (.swl): fixed 3072-byte records without a header.
//
// Record i holds film i, game i, lending entry i, film wish i and game wish i,
// each text in a 256-byte slot (length byte, then the characters). A slot that
// holds the single character "x" is the marker of an empty slot.

#include "model/UDatentypen.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Sammlungsdatei {

constexpr std::size_t SlotSize = 256;
constexpr std::size_t SlotsProRecord = 12;
constexpr std::size_t RecordSize = SlotSize * SlotsProRecord;  // 3072

// Slot offsets inside a record, in slots.
constexpr std::size_t FilmSlot = 0;      // five film fields
constexpr std::size_t SpielSlot = 5;     // four game fields
constexpr std::size_t VerleihSlot = 9;
constexpr std::size_t FilmWunschSlot = 10;
constexpr std::size_t SpielWunschSlot = 11;

}  // namespace Sammlungsdatei

// Everything a collection file holds, in file order. List entries are code
// page 1252 texts; the writer keeps the first 255 bytes of each.
struct TSammlung {
  std::vector<TFilmRec> Filme;
  std::vector<TSpielRec> Spiele;
  std::vector<std::string> Verleih;
  std::vector<std::string> FilmWuensche;
  std::vector<std::string> SpielWuensche;

  std::size_t RecordAnzahl() const;
  bool Leer() const { return RecordAnzahl() == 0; }
  friend bool operator==(const TSammlung&, const TSammlung&) = default;
};

// The bytes of the whole file; zero bytes fill each slot behind its text.
std::vector<std::uint8_t> EncodeSammlung(const TSammlung& sammlung);

// Reads complete records. In each column (film part, game part, each of the
// three lists) every slot up to the column's last non-marker slot is a real
// entry, so an entry "x" survives unless it is the column's last one.
TSammlung DecodeSammlung(const std::uint8_t* bytes, std::size_t recordAnzahl);

// Result of reading a file that could be opened: what was read, and the
// failure text when reading stopped early (empty when the file was whole).
struct TLeseErgebnis {
  TSammlung Inhalt;
  std::string Fehler;
};

// Opens the file for reading only; throws EFehler when it cannot be opened.
class TSammlungsLeser {
public:
  explicit TSammlungsLeser(const std::string& pfad);
  TSammlungsLeser(const TSammlungsLeser&) = delete;
  TSammlungsLeser& operator=(const TSammlungsLeser&) = delete;
  ~TSammlungsLeser();

  // Reads up to the end of the file, or up to a failure, and closes it.
  TLeseErgebnis LiesAlles();

private:
  int Fd = -1;
};

// Writes the file atomically: the file at pfad is replaced only once every
// record is on disk. Throws EFehler on failure, leaving any old file as it was.
void SchreibeSammlung(const std::string& pfad, const TSammlung& sammlung);
