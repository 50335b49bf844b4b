// The journal's header and entries: replaying the entries a sequence of
// commands wrote, on the collection those commands started from, gives the
// collection they made.

#include "model/UDBSortTreeF.h"
#include "model/UDBSortTreeS.h"
#include "model/UJournal.h"
#include "platform/Fehler.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct TStand {
  TDatBas DatBas;
  TNotizlisten Listen;
};

std::vector<TFilmRec> Filme(const TDatBas& d) { return {d.Filme().begin(), d.Filme().end()}; }
std::vector<TSpielRec> Spiele(const TDatBas& d) { return {d.Spiele().begin(), d.Spiele().end()}; }

void Basis(TStand& s) {
  for (const char* name : {"Zorro", "alien", "Alien", "\xC4rger", "Matrix"})
    s.DatBas.AddFilm({name, "1", "DVD", name[0] == 'A' ? "SF" : "Drama", ""});
  for (const char* name : {"Doom", "Quake"}) s.DatBas.AddSpiel({name, "x", "Shooter", ""});
  s.Listen.Verleih = {"Zorro an Karl"};
  s.Listen.FilmWuensche = {"Heat", "Ronin"};
}

// One command: what it does to the collection, and the entry it writes, as
// the window does both.
using TBefehl = std::function<void(TStand&, TJournalEintrag&)>;

const std::vector<std::pair<const char*, TBefehl>>& Befehle() {
  static const std::vector<std::pair<const char*, TBefehl>> befehle = {
      {"Film anfügen, Bytes jeder Art und volle Felder",
       [](TStand& s, TJournalEintrag& e) {
         const TFilmRec film{std::string(255, '\xFF'), "", std::string("\0x", 2), "\x80\x9F", "x"};
         s.DatBas.AddFilm(film);
         e.FilmNeu(film);
       }},
      {"Film ändern, auch vor dem ersten und hinter dem letzten",
       [](TStand& s, TJournalEintrag& e) {
         for (int i : {2, 0, 99}) {
           const TFilmRec film{"neu " + std::to_string(i), "3", "", "", ""};
           s.DatBas.SetFilm(i, film);
           e.FilmSetzen(i, film);
         }
       }},
      {"Filme tauschen wie Verschieben", [](TStand& s, TJournalEintrag& e) {
         TFilmRec a, b;
         s.DatBas.GetFilm(1, a);
         s.DatBas.GetFilm(2, b);
         s.DatBas.SetFilm(2, a);
         s.DatBas.SetFilm(1, b);
         e.FilmSetzen(2, a);
         e.FilmSetzen(1, b);
       }},
      {"Film löschen, auch außerhalb", [](TStand& s, TJournalEintrag& e) {
         for (int i : {3, 0, 99}) {
           s.DatBas.DeleteFilm(i);
           e.FilmLoeschen(i);
         }
       }},
      {"Filme sortieren mit gleichen Schlüsseln, ab- und aufsteigend", [](TStand& s, TJournalEintrag& e) {
         TDBSortTreeF(s.DatBas).Sort(4, false);
         e.FilmeSortieren(4, false);
         TDBSortTreeF(s.DatBas).Sort(1, true);
         e.FilmeSortieren(1, true);
       }},
      {"Spiele: anfügen, ändern, löschen, sortieren", [](TStand& s, TJournalEintrag& e) {
         const TSpielRec spiel{"Anno", "2", "Strategie", "\xE4"};
         s.DatBas.AddSpiel(spiel);
         e.SpielNeu(spiel);
         s.DatBas.SetSpiel(1, {"Doom II", "1", "Shooter", ""});
         e.SpielSetzen(1, {"Doom II", "1", "Shooter", ""});
         TDBSortTreeS(s.DatBas).Sort(3, true);
         e.SpieleSortieren(3, true);
         s.DatBas.DeleteSpiel(2);
         e.SpielLoeschen(2);
       }},
      {"Listen: lange Einträge anfügen, löschen auch außerhalb", [](TStand& s, TJournalEintrag& e) {
         const std::string lang(300, '\xE9');
         s.Listen.SpielWuensche.push_back(lang);
         e.NotizNeu(TNotizliste::SpielWuensche, lang);
         s.Listen.Verleih.push_back("Heat an Eva");
         e.NotizNeu(TNotizliste::Verleih, "Heat an Eva");
         s.Listen.FilmWuensche.erase(s.Listen.FilmWuensche.begin());
         e.NotizLoeschen(TNotizliste::FilmWuensche, 0);
         e.NotizLoeschen(TNotizliste::Verleih, 7);
         e.NotizLoeschen(TNotizliste::Verleih, -1);
       }},
  };
  return befehle;
}

TEST(Journal, NachspielenGibtDieSammlungDerBefehle) {
  TStand direkt, nachgespielt;
  Basis(direkt);
  Basis(nachgespielt);
  for (const auto& [name, befehl] : Befehle()) {
    SCOPED_TRACE(name);
    TJournalEintrag eintrag;
    befehl(direkt, eintrag);
    ASSERT_FALSE(eintrag.Leer());
    SpieleNach(eintrag.Daten(), nachgespielt.DatBas, nachgespielt.Listen);
    EXPECT_EQ(Filme(nachgespielt.DatBas), Filme(direkt.DatBas));
    EXPECT_EQ(Spiele(nachgespielt.DatBas), Spiele(direkt.DatBas));
    EXPECT_EQ(nachgespielt.DatBas.FilmCDs().Summe, direkt.DatBas.FilmCDs().Summe);
    EXPECT_EQ(nachgespielt.Listen.Verleih, direkt.Listen.Verleih);
    EXPECT_EQ(nachgespielt.Listen.FilmWuensche, direkt.Listen.FilmWuensche);
    EXPECT_EQ(nachgespielt.Listen.SpielWuensche, direkt.Listen.SpielWuensche);
  }
}

// The journal grows with the changes, not with the collection.
TEST(Journal, EintraegeSindSoGrossWieIhreAenderung) {
  TJournalEintrag sortieren, film;
  sortieren.FilmeSortieren(2, true);
  EXPECT_LE(sortieren.Daten().size(), 8u);
  film.FilmNeu({"Heat", "2", "DVD", "Krimi", ""});
  EXPECT_EQ(film.Daten().size(), 1u + 5u + 4 + 1 + 3 + 5 + 0);
}

TEST(Journal, FremdeBytesSindKeinEintrag) {
  TStand s;
  const std::vector<std::vector<std::uint8_t>> kaputt = {
      {0},                // no such command
      {1, 4, 'a'},        // a film whose name runs past the end
      {3, 1, 0},          // a position cut short
      {9, 7, 0, 0, 0, 0}  // no such list
  };
  for (const auto& bytes : kaputt) EXPECT_THROW(SpieleNach(bytes, s.DatBas, s.Listen), EFehler);
}

TEST(Journal, KopfMitUndOhneBasis) {
  struct stat st {};
  st.st_dev = 0xFEDCBA9876543210u;
  st.st_ino = 77;
  st.st_size = 3072 * 5;
  st.st_mtim = {1700000000, 123456789};
  st.st_ctim = {1700000001, 5};
  const TJournalKopf ohne{1234567890, std::nullopt};
  const TJournalKopf mit{-5, TJournalBasis{"/tmp/\xE4 b.swl", TDateistand(st)}};
  for (const TJournalKopf& kopf : {ohne, mit}) {
    const std::vector<std::uint8_t> bytes = KodiereKopf(kopf);
    const std::optional<TJournalKopf> gelesen = DekodiereKopf(bytes);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->Zeit, kopf.Zeit);
    ASSERT_EQ(gelesen->Basis.has_value(), kopf.Basis.has_value());
    if (kopf.Basis) {
      EXPECT_EQ(gelesen->Basis->Datei, kopf.Basis->Datei);
      EXPECT_EQ(gelesen->Basis->Stand, kopf.Basis->Stand);
    }
    // Cut short, lengthened or of another kind: not a header.
    EXPECT_FALSE(DekodiereKopf(std::span(bytes).first(bytes.size() - 1)));
    std::vector<std::uint8_t> laenger = bytes;
    laenger.push_back(0);
    EXPECT_FALSE(DekodiereKopf(laenger));
    std::vector<std::uint8_t> fremd = bytes;
    fremd[0] = 'X';
    EXPECT_FALSE(DekodiereKopf(fremd));
  }
}

}  // namespace

namespace {

// Oldest first by when they began, whatever their names; a journal of another
// kind is not offered.
TEST(Journal, OffeneJournaleAeltestesZuerst) {
  TTempOrdner ordner;
  const TZustandHier zustand(ordner);
  for (std::int64_t zeit : {300, 100, 200}) TJournaldatei(KodiereKopf({zeit, std::nullopt}));
  { TJournaldatei fremd(std::vector<std::uint8_t>{'S', 'W', 'J', '9'}); }
  std::vector<std::int64_t> zeiten;
  for (const TOffenesJournal& journal : OffeneJournale()) zeiten.push_back(journal.Kopf.Zeit);
  EXPECT_EQ(zeiten, (std::vector<std::int64_t>{100, 200, 300}));
  EXPECT_EQ(ordner.Eintraege("zustand/scheibwart").size(), 4u);
}

// Any change of the base since the journal began means its changes belong to
// another content.
TEST(Journal, BasisUnveraendert) {
  const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> aenderungen = {
      {"unverändert", [](const std::string&) {}},
      {"geschrieben", [](const std::string& p) { std::ofstream(p, std::ios::app) << "y"; }},
      {"berührt", [](const std::string& p) {
         const timespec zeiten[2] = {{1, 0}, {1, 0}};
         utimensat(AT_FDCWD, p.c_str(), zeiten, 0);
       }},
      {"ersetzt", [](const std::string& p) { std::ofstream(p + ".neu") << "x"; rename((p + ".neu").c_str(), p.c_str()); }},
      {"fort", [](const std::string& p) { rename(p.c_str(), (p + ".alt").c_str()); }},
  };
  for (const auto& [name, aendere] : aenderungen) {
    SCOPED_TRACE(name);
    TTempOrdner ordner;
    const std::string pfad = ordner.Pfad("a.swl");
    std::ofstream(pfad) << "x";
    const TJournalBasis basis{pfad, *TDateistand::VonPfad(pfad)};
    aendere(pfad);
    EXPECT_EQ(BasisUnveraendert(basis), std::string(name) == "unverändert");
  }
}

}  // namespace
