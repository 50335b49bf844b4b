#include "model/USammlungsdatei.h"

#include "platform/AtomareDatei.h"
#include "platform/Dateifehler.h"
#include "platform/Fehler.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

constexpr TSpalte FilmSpalte{FilmSlot, 5};
constexpr TSpalte SpielSpalte{SpielSlot, 4};
constexpr TSpalte VerleihSpalte{VerleihSlot, 1};
constexpr TSpalte FilmWunschSpalte{FilmWunschSlot, 1};
constexpr TSpalte SpielWunschSpalte{SpielWunschSlot, 1};

const std::uint8_t* SlotIn(const std::uint8_t* bytes, std::size_t record, std::size_t slot) {
  return bytes + record * RecordSize + slot * SlotSize;
}

// The number of records that hold a real entry of the column: everything up to
// its last record in which some slot of the column is not the marker.
std::size_t EintragAnzahl(const std::uint8_t* bytes, std::size_t recordAnzahl, TSpalte spalte) {
  for (std::size_t r = recordAnzahl; r > 0; --r)
    for (std::size_t s = 0; s < spalte.SlotAnzahl; ++s)
      if (!IsMarker(SlotIn(bytes, r - 1, spalte.ErsterSlot + s))) return r;
  return 0;
}

std::vector<std::string> ReadList(const std::uint8_t* bytes, std::size_t recordAnzahl,
                                  TSpalte spalte) {
  std::vector<std::string> eintraege(EintragAnzahl(bytes, recordAnzahl, spalte));
  for (std::size_t r = 0; r < eintraege.size(); ++r)
    eintraege[r] = ReadSlot(SlotIn(bytes, r, spalte.ErsterSlot));
  return eintraege;
}

void WriteList(std::vector<std::uint8_t>& bytes, std::size_t recordAnzahl,
               const std::vector<std::string>& eintraege, std::size_t slot) {
  for (std::size_t r = 0; r < recordAnzahl; ++r) {
    std::uint8_t* ziel = bytes.data() + r * RecordSize + slot * SlotSize;
    if (r < eintraege.size())
      WriteSlot(ziel, eintraege[r]);
    else
      WriteMarker(ziel);
  }
}

}  // namespace

std::size_t TSammlung::RecordAnzahl() const {
  return std::max({Filme.size(), Spiele.size(), Verleih.size(), FilmWuensche.size(),
                   SpielWuensche.size()});
}

std::vector<std::uint8_t> EncodeSammlung(const TSammlung& sammlung) {
  const std::size_t n = sammlung.RecordAnzahl();
  std::vector<std::uint8_t> bytes(n * RecordSize, 0);
  for (std::size_t r = 0; r < n; ++r) {
    std::uint8_t* record = bytes.data() + r * RecordSize;
    auto slot = [&](std::size_t k) { return record + k * SlotSize; };

    if (r < sammlung.Filme.size()) {
      const TFilmRec& film = sammlung.Filme[r];
      WriteSlot(slot(FilmSlot + 0), film.Name);
      WriteSlot(slot(FilmSlot + 1), film.CDAnzahl);
      WriteSlot(slot(FilmSlot + 2), film.CDFormat);
      WriteSlot(slot(FilmSlot + 3), film.Genre);
      WriteSlot(slot(FilmSlot + 4), film.Kommentar);
    } else {
      for (std::size_t k = 0; k < FilmSpalte.SlotAnzahl; ++k) WriteMarker(slot(FilmSlot + k));
    }

    if (r < sammlung.Spiele.size()) {
      const TSpielRec& spiel = sammlung.Spiele[r];
      WriteSlot(slot(SpielSlot + 0), spiel.Name);
      WriteSlot(slot(SpielSlot + 1), spiel.CDAnzahl);
      WriteSlot(slot(SpielSlot + 2), spiel.Genre);
      WriteSlot(slot(SpielSlot + 3), spiel.Kommentar);
    } else {
      for (std::size_t k = 0; k < SpielSpalte.SlotAnzahl; ++k) WriteMarker(slot(SpielSlot + k));
    }
  }
  WriteList(bytes, n, sammlung.Verleih, VerleihSlot);
  WriteList(bytes, n, sammlung.FilmWuensche, FilmWunschSlot);
  WriteList(bytes, n, sammlung.SpielWuensche, SpielWunschSlot);
  return bytes;
}

TSammlung DecodeSammlung(const std::uint8_t* bytes, std::size_t recordAnzahl) {
  TSammlung sammlung;

  sammlung.Filme.resize(EintragAnzahl(bytes, recordAnzahl, FilmSpalte));
  for (std::size_t r = 0; r < sammlung.Filme.size(); ++r) {
    auto feld = [&](std::size_t k) { return ReadSlot(SlotIn(bytes, r, FilmSlot + k)); };
    sammlung.Filme[r] = TFilmRec{feld(0), feld(1), feld(2), feld(3), feld(4)};
  }

  sammlung.Spiele.resize(EintragAnzahl(bytes, recordAnzahl, SpielSpalte));
  for (std::size_t r = 0; r < sammlung.Spiele.size(); ++r) {
    auto feld = [&](std::size_t k) { return ReadSlot(SlotIn(bytes, r, SpielSlot + k)); };
    sammlung.Spiele[r] = TSpielRec{feld(0), feld(1), feld(2), feld(3)};
  }

  sammlung.Verleih = ReadList(bytes, recordAnzahl, VerleihSpalte);
  sammlung.FilmWuensche = ReadList(bytes, recordAnzahl, FilmWunschSpalte);
  sammlung.SpielWuensche = ReadList(bytes, recordAnzahl, SpielWunschSpalte);
  return sammlung;
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
}

TSammlungsLeser::~TSammlungsLeser() {
  if (Fd >= 0) close(Fd);
}

TLeseErgebnis TSammlungsLeser::LiesAlles() {
  TLeseErgebnis ergebnis;
  std::vector<std::uint8_t> bytes;
  std::uint8_t record[RecordSize];
  std::size_t gelesen = 0;  // bytes of the record being read

  for (;;) {
    const ssize_t n = read(Fd, record + gelesen, RecordSize - gelesen);
    if (n < 0) {
      if (errno == EINTR) continue;
      ergebnis.Fehler = DateiFehlerText(errno);
      break;
    }
    if (n == 0) {
      if (gelesen > 0) ergebnis.Fehler = DateiendeText;
      break;
    }
    gelesen += static_cast<std::size_t>(n);
    if (gelesen == RecordSize) {
      bytes.insert(bytes.end(), record, record + RecordSize);
      gelesen = 0;
    }
  }
  close(Fd);
  Fd = -1;

  ergebnis.Inhalt = DecodeSammlung(bytes.data(), bytes.size() / RecordSize);
  return ergebnis;
}

void SchreibeSammlung(const std::string& pfad, const TSammlung& sammlung) {
  SchreibeDateiAtomar(pfad, EncodeSammlung(sammlung));
}
