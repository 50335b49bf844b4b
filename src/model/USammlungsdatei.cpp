#include "model/USammlungsdatei.h"

#include "platform/AtomareDatei.h"
#include "platform/Dateifehler.h"
#include "platform/Fehler.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Sammlungsdatei;

namespace {

constexpr std::uint8_t MarkerZeichen = 'x';

void WriteSlot(std::uint8_t* slot, const std::string& text) {
  const std::size_t laenge = std::min(text.size(), TShortString::MaxLaenge);
  slot[0] = static_cast<std::uint8_t>(laenge);
  std::memcpy(slot + 1, text.data(), laenge);
}

void WriteMarker(std::uint8_t* slot) {
  slot[0] = 1;
  slot[1] = MarkerZeichen;
}

bool IsMarker(const std::uint8_t* slot) { return slot[0] == 1 && slot[1] == MarkerZeichen; }

std::string ReadSlot(const std::uint8_t* slot) {
  return std::string(reinterpret_cast<const char*>(slot + 1), slot[0]);
}

// A column of the file: a run of consecutive slots in every record.
struct TSpalte {
  std::size_t ErsterSlot;
  std::size_t SlotAnzahl;
};

constexpr TSpalte Spalten[] = {{FilmSlot, 5}, {SpielSlot, 4}, {VerleihSlot, 1}, {FilmWunschSlot, 1},
                               {SpielWunschSlot, 1}};
enum TSpaltenNr { FilmNr, SpielNr, VerleihNr, FilmWunschNr, SpielWunschNr };

bool NurMarker(const std::uint8_t* record, TSpalte spalte) {
  for (std::size_t s = 0; s < spalte.SlotAnzahl; ++s)
    if (!IsMarker(record + (spalte.ErsterSlot + s) * SlotSize)) return false;
  return true;
}

// A list entry is a record of one field.
std::array<const std::string*, 1> Felder(const std::string& eintrag) { return {&eintrag}; }

// The fields of entry r of the column, or its markers where there is none.
template <class TSaetze>
void WriteSatz(std::uint8_t* record, TSpalte spalte, const TSaetze& saetze, std::size_t r) {
  std::uint8_t* slot = record + spalte.ErsterSlot * SlotSize;
  if (r >= saetze.size()) {
    for (std::size_t k = 0; k < spalte.SlotAnzahl; ++k) WriteMarker(slot + k * SlotSize);
    return;
  }
  const auto felder = Felder(saetze[r]);
  for (std::size_t k = 0; k < felder.size(); ++k) WriteSlot(slot + k * SlotSize, *felder[k]);
}

// Collects what a file holds into a TSammlung.
class TSammler final : public TSammlungsZiel {
public:
  void Film(TFilmRec&& film) override { Sammlung.Filme.push_back(std::move(film)); }
  void Spiel(TSpielRec&& spiel) override { Sammlung.Spiele.push_back(std::move(spiel)); }
  void Verleih(std::string&& e) override { Sammlung.Verleih.push_back(std::move(e)); }
  void FilmWunsch(std::string&& e) override { Sammlung.FilmWuensche.push_back(std::move(e)); }
  void SpielWunsch(std::string&& e) override { Sammlung.SpielWuensche.push_back(std::move(e)); }
  TSammlung Sammlung;
};

}  // namespace

std::size_t TSammlung::RecordAnzahl() const { return TSammlungsSicht(*this).RecordAnzahl(); }

std::size_t TSammlungsSicht::RecordAnzahl() const {
  return std::max({Filme.size(), Spiele.size(), Verleih.size(), FilmWuensche.size(),
                   SpielWuensche.size()});
}

void EncodeRecord(const TSammlungsSicht& sammlung, std::size_t r, std::uint8_t* record) {
  std::memset(record, 0, RecordSize);
  WriteSatz(record, Spalten[FilmNr], sammlung.Filme, r);
  WriteSatz(record, Spalten[SpielNr], sammlung.Spiele, r);
  WriteSatz(record, Spalten[VerleihNr], sammlung.Verleih, r);
  WriteSatz(record, Spalten[FilmWunschNr], sammlung.FilmWuensche, r);
  WriteSatz(record, Spalten[SpielWunschNr], sammlung.SpielWuensche, r);
}

std::vector<std::uint8_t> EncodeSammlung(const TSammlungsSicht& sammlung) {
  const std::size_t n = sammlung.RecordAnzahl();
  std::vector<std::uint8_t> bytes(n * RecordSize);
  for (std::size_t r = 0; r < n; ++r) EncodeRecord(sammlung, r, bytes.data() + r * RecordSize);
  return bytes;
}

void TSammlungsDecoder::Record(const std::uint8_t* record) {
  // A record of markers only: what a held-back marker entry reads as.
  static const auto markerRecord = [] {
    std::array<std::uint8_t, RecordSize> bytes{};
    for (std::size_t s = 0; s < SlotsProRecord; ++s) WriteMarker(bytes.data() + s * SlotSize);
    return bytes;
  }();
  for (std::size_t nr = 0; nr < std::size(Spalten); ++nr) {
    if (NurMarker(record, Spalten[nr])) {
      ++Zurueckgehalten[nr];
      continue;
    }
    // A real entry: the markers held back before it are entries too.
    for (; Zurueckgehalten[nr] > 0; --Zurueckgehalten[nr]) Gib(nr, markerRecord.data());
    Gib(nr, record);
  }
}

void TSammlungsDecoder::Gib(std::size_t spalte, const std::uint8_t* record) {
  auto feld = [&](std::size_t k) { return ReadSlot(record + (Spalten[spalte].ErsterSlot + k) * SlotSize); };
  switch (spalte) {
    case FilmNr:
      return Ziel.Film(TFilmRec{feld(0), feld(1), feld(2), feld(3), feld(4)});
    case SpielNr:
      return Ziel.Spiel(TSpielRec{feld(0), feld(1), feld(2), feld(3)});
    case VerleihNr:
      return Ziel.Verleih(feld(0));
    case FilmWunschNr:
      return Ziel.FilmWunsch(feld(0));
    default:
      return Ziel.SpielWunsch(feld(0));
  }
}

TSammlung DecodeSammlung(const std::uint8_t* bytes, std::size_t recordAnzahl) {
  TSammler sammler;
  TSammlungsDecoder decoder(sammler);
  for (std::size_t r = 0; r < recordAnzahl; ++r) decoder.Record(bytes + r * RecordSize);
  return std::move(sammler.Sammlung);
}

TSammlungsLeser::TSammlungsLeser(const std::string& pfad) {
  // Non-blocking, so that a named pipe cannot stall the program; only regular
  // files are collections.
  Fd = open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (Fd < 0) throw EFehler(DateiFehlerText(errno));
  struct stat st {};
  if (fstat(Fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int errnum = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
    close(Fd);
    Fd = -1;
    throw EFehler(DateiFehlerText(errnum));
  }
  Geoeffnet.emplace(st);
}

TSammlungsLeser::~TSammlungsLeser() {
  if (Fd >= 0) close(Fd);
}

// The fuzzer builds the reader with a buffer of a few records and a part of
// one, so that its inputs span several reads and records lie across two.
#ifndef SCHEIBWART_LESEPUFFER
#define SCHEIBWART_LESEPUFFER (256 * RecordSize)
#endif

std::string TSammlungsLeser::LiesAlles(TSammlungsZiel& ziel) {
  constexpr std::size_t PufferGroesse = SCHEIBWART_LESEPUFFER;
  static_assert(PufferGroesse >= RecordSize);
  // Every byte is read before it is used, so the buffer needs no zeroing.
  const std::unique_ptr<std::uint8_t[]> puffer(new std::uint8_t[PufferGroesse]);
  TSammlungsDecoder decoder(ziel);
  std::string fehler;
  std::size_t gefuellt = 0;  // bytes in the buffer, complete records first

  for (;;) {
    const ssize_t n = read(Fd, puffer.get() + gefuellt, PufferGroesse - gefuellt);
    if (n < 0) {
      if (errno == EINTR) continue;
      fehler = DateiFehlerText(errno);
      break;
    }
    if (n == 0) {
      if (gefuellt > 0) fehler = DateiendeText;
      break;
    }
    gefuellt += static_cast<std::size_t>(n);
    const std::size_t ganze = gefuellt / RecordSize;
    for (std::size_t r = 0; r < ganze; ++r) decoder.Record(puffer.get() + r * RecordSize);
    // The start of a record that is not complete yet moves to the front.
    std::memmove(puffer.get(), puffer.get() + ganze * RecordSize, gefuellt - ganze * RecordSize);
    gefuellt -= ganze * RecordSize;
  }
  close(Fd);
  Fd = -1;
  return fehler;
}

TLeseErgebnis TSammlungsLeser::LiesAlles() {
  TSammler sammler;
  std::string fehler = LiesAlles(sammler);
  return {std::move(sammler.Sammlung), std::move(fehler)};
}

std::optional<std::string> SchreibeSammlung(const std::string& pfad, const TSammlungsSicht& sammlung) {
  TAtomareDatei datei(pfad);
  std::uint8_t record[RecordSize];
  for (std::size_t r = 0, n = sammlung.RecordAnzahl(); r < n; ++r) {
    EncodeRecord(sammlung, r, record);
    datei.Schreibe(record, RecordSize);
  }
  return datei.Fertig();
}
