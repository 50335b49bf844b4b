#pragma once
// The recovery journal's contents: what it starts from, and one entry per
// command that changed the collection, holding the records that command
// wrote. Replaying the entries on the base gives the collection the window
// held. Texts are code page 1252 bytes, stored as they are.

#include "model/UDatbas.h"
#include "platform/Dateistand.h"
#include "platform/Journaldatei.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The three text lists of a collection, top to bottom.
struct TNotizlisten {
  std::vector<std::string> Verleih, FilmWuensche, SpielWuensche;
};
enum class TNotizliste : std::uint8_t { Verleih, FilmWuensche, SpielWuensche };

// The collection file a journal starts from, and what identifies its content.
struct TJournalBasis {
  std::string Datei;  // path bytes
  TDateistand Stand;
};

struct TJournalKopf {
  std::int64_t Zeit = 0;               // when the journal began, seconds since the epoch
  std::optional<TJournalBasis> Basis;  // none: the empty collection
};

std::vector<std::uint8_t> KodiereKopf(const TJournalKopf& kopf);
// nullopt when the bytes are no header of this program's.
std::optional<TJournalKopf> DekodiereKopf(std::span<const std::uint8_t> bytes);

// One command's changes, in the order the command made them. Positions are
// passed exactly as the command passed them to the store (1-based, as
// TDatBas takes them) or to the list (0-based), so that replaying keeps the
// store's rules for positions out of range.
class TJournalEintrag {
public:
  void FilmNeu(const TFilmRec& film);
  void FilmSetzen(int i, const TFilmRec& film);
  void FilmLoeschen(int i);
  // A sort is kept as its key and direction: sorting the replayed records
  // again gives the same order.
  void FilmeSortieren(int schluessel, bool aufsteigend);
  void SpielNeu(const TSpielRec& spiel);
  void SpielSetzen(int i, const TSpielRec& spiel);
  void SpielLoeschen(int i);
  void SpieleSortieren(int schluessel, bool aufsteigend);
  void NotizNeu(TNotizliste liste, const std::string& eintrag);
  void NotizLoeschen(TNotizliste liste, int k);

  bool Leer() const { return Bytes.empty(); }
  std::span<const std::uint8_t> Daten() const { return Bytes; }

private:
  std::vector<std::uint8_t> Bytes;
};

// Applies one entry to the collection. Bytes that are not an entry throw
// EFehler; what came before them in the entry stays applied.
void SpieleNach(std::span<const std::uint8_t> eintrag, TDatBas& datBas, TNotizlisten& listen);

// A journal a dead program left, and its header.
struct TOffenesJournal {
  TVerbliebenesJournal Datei;
  TJournalKopf Kopf;
};

// The journals dead programs left, oldest first. One whose header is not
// this program's is not offered and stays where it is.
std::vector<TOffenesJournal> OffeneJournale();

// Whether the base file still holds what the journal started from: the same
// file, neither written, replaced, touched nor moved since.
bool BasisUnveraendert(const TJournalBasis& basis);
