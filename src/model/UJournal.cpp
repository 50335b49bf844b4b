#include "model/UJournal.h"

#include "model/UDBSortTreeF.h"
#include "model/UDBSortTreeS.h"
#include "platform/Fehler.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <sys/stat.h>

namespace {

constexpr std::uint8_t KopfKennung[4] = {'S', 'W', 'J', '1'};

enum TArt : std::uint8_t {
  FilmNeuArt = 1, FilmSetzenArt, FilmLoeschenArt, FilmeSortierenArt,
  SpielNeuArt, SpielSetzenArt, SpielLoeschenArt, SpieleSortierenArt,
  NotizNeuArt, NotizLoeschenArt,
};

void Zahl(std::vector<std::uint8_t>& bytes, std::uint64_t wert, int breite) {
  for (int b = 0; b < breite; ++b) bytes.push_back(static_cast<std::uint8_t>(wert >> (8 * b)));
}

void Text(std::vector<std::uint8_t>& bytes, const std::string& text) {
  Zahl(bytes, text.size(), 4);
  bytes.insert(bytes.end(), text.begin(), text.end());
}

template <class TRec>
void Satz(std::vector<std::uint8_t>& bytes, const TRec& rec) {
  for (const std::string* feld : Felder(rec)) {  // at most 255 bytes each
    bytes.push_back(static_cast<std::uint8_t>(feld->size()));
    bytes.insert(bytes.end(), feld->begin(), feld->end());
  }
}

// Reads what the encoders above wrote; running past the end throws.
class TLeser {
public:
  explicit TLeser(std::span<const std::uint8_t> bytes) : Bytes(bytes) {}
  bool Ende() const { return Stelle == Bytes.size(); }

  std::uint64_t Zahl(int breite) {
    Brauche(static_cast<std::size_t>(breite));
    std::uint64_t wert = 0;
    for (int b = 0; b < breite; ++b) wert |= std::uint64_t{Bytes[Stelle++]} << (8 * b);
    return wert;
  }
  std::int64_t Vorzeichen() { return static_cast<std::int64_t>(Zahl(8)); }
  int Position() { return static_cast<int>(static_cast<std::int32_t>(Zahl(4))); }
  std::string Text(std::size_t laenge) {
    Brauche(laenge);
    std::string text(reinterpret_cast<const char*>(Bytes.data() + Stelle), laenge);
    Stelle += laenge;
    return text;
  }
  std::string Text() { return Text(static_cast<std::size_t>(Zahl(4))); }
  std::string Feld() { return Text(static_cast<std::size_t>(Zahl(1))); }

  TFilmRec Film() {
    TFilmRec film;
    for (TShortString* feld : {&film.Name, &film.CDAnzahl, &film.CDFormat, &film.Genre, &film.Kommentar})
      *feld = Feld();
    return film;
  }
  TSpielRec Spiel() {
    TSpielRec spiel;
    for (TShortString* feld : {&spiel.Name, &spiel.CDAnzahl, &spiel.Genre, &spiel.Kommentar}) *feld = Feld();
    return spiel;
  }

private:
  void Brauche(std::size_t n) const {
    if (Bytes.size() - Stelle < n) throw EFehler("Versuch hinter dem Dateiende zu lesen");
  }
  std::span<const std::uint8_t> Bytes;
  std::size_t Stelle = 0;
};

std::vector<std::string>& Liste(TNotizlisten& listen, std::uint64_t welche) {
  switch (welche) {
    case static_cast<std::uint8_t>(TNotizliste::Verleih): return listen.Verleih;
    case static_cast<std::uint8_t>(TNotizliste::FilmWuensche): return listen.FilmWuensche;
    case static_cast<std::uint8_t>(TNotizliste::SpielWuensche): return listen.SpielWuensche;
  }
  throw EFehler("Versuch hinter dem Dateiende zu lesen");
}

}  // namespace

std::vector<std::uint8_t> KodiereKopf(const TJournalKopf& kopf) {
  std::vector<std::uint8_t> bytes(std::begin(KopfKennung), std::end(KopfKennung));
  Zahl(bytes, static_cast<std::uint64_t>(kopf.Zeit), 8);
  bytes.push_back(kopf.Basis ? 1 : 0);
  if (kopf.Basis) {
    const TDateistand& s = kopf.Basis->Stand;
    Text(bytes, kopf.Basis->Datei);
    for (std::int64_t wert : {static_cast<std::int64_t>(s.Geraet), static_cast<std::int64_t>(s.Knoten), s.Groesse,
                              s.GeaendertSek, s.GeaendertNsek, s.StatusSek, s.StatusNsek})
      Zahl(bytes, static_cast<std::uint64_t>(wert), 8);
  }
  return bytes;
}

std::optional<TJournalKopf> DekodiereKopf(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < sizeof KopfKennung || std::memcmp(bytes.data(), KopfKennung, sizeof KopfKennung) != 0)
    return std::nullopt;
  try {
    TLeser leser(bytes.subspan(sizeof KopfKennung));
    TJournalKopf kopf;
    kopf.Zeit = leser.Vorzeichen();
    const std::uint64_t mitBasis = leser.Zahl(1);
    if (mitBasis > 1) return std::nullopt;
    if (mitBasis == 1) {
      std::string datei = leser.Text();
      struct stat leer {};
      TDateistand s(leer);
      s.Geraet = leser.Zahl(8);
      s.Knoten = leser.Zahl(8);
      for (std::int64_t* wert : {&s.Groesse, &s.GeaendertSek, &s.GeaendertNsek, &s.StatusSek, &s.StatusNsek})
        *wert = leser.Vorzeichen();
      kopf.Basis = TJournalBasis{std::move(datei), s};
    }
    if (!leser.Ende()) return std::nullopt;
    return kopf;
  } catch (const EFehler&) {
    return std::nullopt;
  }
}

void TJournalEintrag::FilmNeu(const TFilmRec& film) {
  Bytes.push_back(FilmNeuArt);
  Satz(Bytes, film);
}
void TJournalEintrag::FilmSetzen(int i, const TFilmRec& film) {
  Bytes.push_back(FilmSetzenArt);
  Zahl(Bytes, static_cast<std::uint32_t>(i), 4);
  Satz(Bytes, film);
}
void TJournalEintrag::FilmLoeschen(int i) {
  Bytes.push_back(FilmLoeschenArt);
  Zahl(Bytes, static_cast<std::uint32_t>(i), 4);
}
void TJournalEintrag::FilmeSortieren(int schluessel, bool aufsteigend) {
  Bytes.push_back(FilmeSortierenArt);
  Zahl(Bytes, static_cast<std::uint32_t>(schluessel), 4);
  Bytes.push_back(aufsteigend ? 1 : 0);
}
void TJournalEintrag::SpielNeu(const TSpielRec& spiel) {
  Bytes.push_back(SpielNeuArt);
  Satz(Bytes, spiel);
}
void TJournalEintrag::SpielSetzen(int i, const TSpielRec& spiel) {
  Bytes.push_back(SpielSetzenArt);
  Zahl(Bytes, static_cast<std::uint32_t>(i), 4);
  Satz(Bytes, spiel);
}
void TJournalEintrag::SpielLoeschen(int i) {
  Bytes.push_back(SpielLoeschenArt);
  Zahl(Bytes, static_cast<std::uint32_t>(i), 4);
}
void TJournalEintrag::SpieleSortieren(int schluessel, bool aufsteigend) {
  Bytes.push_back(SpieleSortierenArt);
  Zahl(Bytes, static_cast<std::uint32_t>(schluessel), 4);
  Bytes.push_back(aufsteigend ? 1 : 0);
}
void TJournalEintrag::NotizNeu(TNotizliste liste, const std::string& eintrag) {
  Bytes.push_back(NotizNeuArt);
  Bytes.push_back(static_cast<std::uint8_t>(liste));
  Text(Bytes, eintrag);
}
void TJournalEintrag::NotizLoeschen(TNotizliste liste, int k) {
  Bytes.push_back(NotizLoeschenArt);
  Bytes.push_back(static_cast<std::uint8_t>(liste));
  Zahl(Bytes, static_cast<std::uint32_t>(k), 4);
}

void SpieleNach(std::span<const std::uint8_t> eintrag, TDatBas& datBas, TNotizlisten& listen) {
  TLeser leser(eintrag);
  while (!leser.Ende()) {
    switch (leser.Zahl(1)) {
      case FilmNeuArt: datBas.AddFilm(leser.Film()); break;
      case FilmSetzenArt: {
        const int i = leser.Position();
        datBas.SetFilm(i, leser.Film());
        break;
      }
      case FilmLoeschenArt: datBas.DeleteFilm(leser.Position()); break;
      case FilmeSortierenArt: {
        const int schluessel = leser.Position();
        TDBSortTreeF(datBas).Sort(schluessel, leser.Zahl(1) != 0);
        break;
      }
      case SpielNeuArt: datBas.AddSpiel(leser.Spiel()); break;
      case SpielSetzenArt: {
        const int i = leser.Position();
        datBas.SetSpiel(i, leser.Spiel());
        break;
      }
      case SpielLoeschenArt: datBas.DeleteSpiel(leser.Position()); break;
      case SpieleSortierenArt: {
        const int schluessel = leser.Position();
        TDBSortTreeS(datBas).Sort(schluessel, leser.Zahl(1) != 0);
        break;
      }
      case NotizNeuArt: {
        std::vector<std::string>& liste = Liste(listen, leser.Zahl(1));
        liste.push_back(leser.Text());
        break;
      }
      case NotizLoeschenArt: {
        std::vector<std::string>& liste = Liste(listen, leser.Zahl(1));
        const int k = leser.Position();
        if (k >= 0 && static_cast<std::size_t>(k) < liste.size()) liste.erase(liste.begin() + k);
        break;
      }
      default: throw EFehler("Versuch hinter dem Dateiende zu lesen");
    }
  }
}

std::vector<TOffenesJournal> OffeneJournale() {
  std::vector<TOffenesJournal> journale;
  for (TVerbliebenesJournal& datei : VerbliebeneJournale())
    if (std::optional<TJournalKopf> kopf = DekodiereKopf(datei.Kopf))
      journale.push_back({std::move(datei), std::move(*kopf)});
  std::sort(journale.begin(), journale.end(), [](const auto& a, const auto& b) {
    return std::tie(a.Kopf.Zeit, a.Datei.Pfad) < std::tie(b.Kopf.Zeit, b.Datei.Pfad);
  });
  return journale;
}

bool BasisUnveraendert(const TJournalBasis& basis) {
  const std::optional<TDateistand> jetzt = TDateistand::VonPfad(basis.Datei);
  return jetzt && *jetzt == basis.Stand;
}
