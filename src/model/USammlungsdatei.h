#pragma once
// The collection file (.swl): fixed 3072-byte records without a header.
//
// Record i holds film i, game i, lending entry i, film wish i and game wish i,
// each text in a 256-byte slot (length byte, then the characters). A slot that
// holds the single character "x" is the marker of an empty slot.

#include "model/UDatentypen.h"
#include "model/USatzsicht.h"
#include "platform/Dateistand.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
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

// What a collection file is written from, where it lies: nothing is copied.
struct TSammlungsSicht {
  TSammlungsSicht(const TSammlung& sammlung)
      : Filme(sammlung.Filme), Spiele(sammlung.Spiele), Verleih(sammlung.Verleih),
        FilmWuensche(sammlung.FilmWuensche), SpielWuensche(sammlung.SpielWuensche) {}
  TSammlungsSicht(TSatzsicht<TFilmRec> filme, TSatzsicht<TSpielRec> spiele,
                  std::span<const std::string> verleih, std::span<const std::string> filmWuensche,
                  std::span<const std::string> spielWuensche)
      : Filme(filme), Spiele(spiele), Verleih(verleih), FilmWuensche(filmWuensche),
        SpielWuensche(spielWuensche) {}

  TSatzsicht<TFilmRec> Filme;
  TSatzsicht<TSpielRec> Spiele;
  std::span<const std::string> Verleih, FilmWuensche, SpielWuensche;

  std::size_t RecordAnzahl() const;
  bool Leer() const { return RecordAnzahl() == 0; }
};

// Where the entries of a file go as they are read, in file order.
class TSammlungsZiel {
public:
  virtual void Film(TFilmRec&& film) = 0;
  virtual void Spiel(TSpielRec&& spiel) = 0;
  virtual void Verleih(std::string&& eintrag) = 0;
  virtual void FilmWunsch(std::string&& eintrag) = 0;
  virtual void SpielWunsch(std::string&& eintrag) = 0;

protected:
  ~TSammlungsZiel() = default;
};

// The bytes of record r (RecordSize of them); zero bytes fill each slot
// behind its text.
void EncodeRecord(const TSammlungsSicht& sammlung, std::size_t r, std::uint8_t* record);

// The bytes of the whole file.
std::vector<std::uint8_t> EncodeSammlung(const TSammlungsSicht& sammlung);

// Reads records one after the other. In each column (film part, game part,
// each of the three lists) every slot up to the column's last non-marker slot
// is a real entry, so an entry "x" survives unless it is the column's last
// one: markers are held back until a real entry follows them.
class TSammlungsDecoder {
public:
  explicit TSammlungsDecoder(TSammlungsZiel& ziel) : Ziel(ziel) {}
  void Record(const std::uint8_t* record);

private:
  void Gib(std::size_t spalte, const std::uint8_t* record);  // the column's entry of the record

  TSammlungsZiel& Ziel;
  std::size_t Zurueckgehalten[5] = {};  // markers not yet known to be entries, per column
};

// Decodes complete records.
TSammlung DecodeSammlung(const std::uint8_t* bytes, std::size_t recordAnzahl);

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

  // Reads up to the end of the file, or up to a failure, hands every entry
  // of the complete records to ziel as soon as it is read, and closes the
  // file. The result is the failure text, empty when the file was whole.
  std::string LiesAlles(TSammlungsZiel& ziel);

  // The same into a TSammlung: what was read, and the failure text.
  TLeseErgebnis LiesAlles();

  // The file as it was opened, before anything was read.
  const TDateistand& Stand() const { return *Geoeffnet; }

private:
  int Fd = -1;
  std::optional<TDateistand> Geoeffnet;
};

// Writes the file atomically, record by record through a small buffer: the
// file at pfad is replaced only once every record is on disk. Throws EFehler
// on failure, leaving any old file as it was (or saying where its copy lies).
// Returns what is not assured once the file is in place (see
// TAtomareDatei::Fertig).
std::optional<std::string> SchreibeSammlung(const std::string& pfad, const TSammlungsSicht& sammlung);
