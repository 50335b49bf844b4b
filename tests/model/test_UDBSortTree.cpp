// The sort trees: key texts compared by byte with only A-Z folded, equal keys
// kept in store order, descending the exact reverse of ascending, and a
// balanced tree however the store is already ordered.

#include "model/UDBSortTreeF.h"
#include "model/UDBSortTreeS.h"
#include "support/Vektor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

TFilmRec Film(const std::string& name, const std::string& kommentar = "") {
  return {name, "1", "DVD", "Drama", kommentar};
}

template <class TRec>
std::vector<std::string> Feld(const TSatzfolge<TRec>& recs, TShortString TRec::*feld) {
  std::vector<std::string> texte;
  for (const TRec& rec : recs) texte.push_back(rec.*feld);
  return texte;
}

std::vector<std::string> Namen(const TDatBas& db) { return Feld(db.Filme(), &TFilmRec::Name); }

// Sorts the films of a store holding the given names, one key per film name.
std::vector<std::string> SortiereNamen(const std::vector<std::string>& namen, bool aufsteigend) {
  TDatBas db;
  for (const std::string& name : namen) db.AddFilm(Film(name));
  TDBSortTreeF baum(db);
  baum.Sort(1, aufsteigend);
  EXPECT_EQ(baum.Root, nullptr);
  return Namen(db);
}

template <class TNode>
int Hoehe(const TNode* knoten) {
  return knoten == nullptr ? 0 : 1 + std::max(Hoehe(knoten->Left), Hoehe(knoten->Right));
}

// The comparison rule written out independently: fold A-Z, then compare as
// std::string does, which takes chars as unsigned.
std::string Gefaltet(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

TEST(TDBSortTree, CDAnzahlIstText) {
  TDatBas db;
  for (const char* anzahl : {"2", "10", "1"}) db.AddFilm({"F", anzahl, "", "", ""});
  TDBSortTreeF(db).Sort(2, true);
  EXPECT_EQ(Feld(db.Filme(), &TFilmRec::CDAnzahl), (std::vector<std::string>{"1", "10", "2"}));
}

TEST(TDBSortTree, GrossUndKleinGleichInStoreReihenfolge) {
  const std::vector<std::string> namen{"beta", "Alpha", "alpha"};
  EXPECT_EQ(SortiereNamen(namen, true), (std::vector<std::string>{"Alpha", "alpha", "beta"}));
  EXPECT_EQ(SortiereNamen(namen, false), (std::vector<std::string>{"beta", "alpha", "Alpha"}));
}

TEST(TDBSortTree, BytesOhneVorzeichenNurAsciiGefaltet) {
  // Ä (0xC4) and ä (0xE4) both follow Z and stay apart; a prefix comes first.
  const std::vector<std::string> namen{"\xC4rger", "\xE4hnlich", "Zebra", "Apfelmus", "", "apfel"};
  EXPECT_EQ(SortiereNamen(namen, true),
            (std::vector<std::string>{"", "apfel", "Apfelmus", "Zebra", "\xC4rger", "\xE4hnlich"}));
}

TEST(TDBSortTree, SortierungenBauenAufeinanderAuf) {
  TDatBas db;
  db.AddFilm({"Heat", "1", "DVD", "Krimi", ""});
  db.AddFilm({"Alien", "1", "DVD", "SciFi", ""});
  db.AddFilm({"Fargo", "1", "DVD", "Krimi", ""});
  db.AddFilm({"Brazil", "1", "DVD", "SciFi", ""});
  db.AddFilm({"Casablanca", "1", "DVD", "Drama", ""});
  TDBSortTreeF baum(db);
  baum.Sort(1, true);
  baum.Sort(4, true);
  EXPECT_EQ(Namen(db),
            (std::vector<std::string>{"Casablanca", "Fargo", "Heat", "Alien", "Brazil"}));
}

TEST(TDBSortTree, WiederholtesSortieren) {
  TDatBas db;
  for (const auto& [name, nr] : {std::pair{"b", "1"}, {"a", "2"}, {"B", "3"}, {"a", "4"}})
    db.AddFilm(Film(name, nr));
  TDBSortTreeF baum(db);
  const auto nummern = [&] { return Feld(db.Filme(), &TFilmRec::Kommentar); };

  baum.Sort(1, true);
  EXPECT_EQ(nummern(), (std::vector<std::string>{"2", "4", "1", "3"}));
  baum.Sort(1, true);
  EXPECT_EQ(nummern(), (std::vector<std::string>{"2", "4", "1", "3"}));

  baum.Sort(1, false);
  EXPECT_EQ(nummern(), (std::vector<std::string>{"3", "1", "4", "2"}));
  baum.Sort(1, false);
  EXPECT_EQ(nummern(), (std::vector<std::string>{"1", "3", "2", "4"}));
}

TEST(TDBSortTree, FilmeUndSpieleBleibenGetrennt) {
  TDatBas db;
  db.AddFilm(Film("Zulu"));
  db.AddFilm(Film("Amadeus"));
  db.AddSpiel({"Myst", "1", "Adventure", ""});
  db.AddSpiel({"Doom", "1", "Action", ""});
  const std::vector<TFilmRec> filme = Vektor(db.Filme());

  TDBSortTreeS(db).Sort(1, true);
  EXPECT_EQ(Vektor(db.Filme()), filme);
  EXPECT_EQ(Feld(db.Spiele(), &TSpielRec::Name), (std::vector<std::string>{"Doom", "Myst"}));

  TDBSortTreeF(db).Sort(1, true);
  EXPECT_EQ(Namen(db), (std::vector<std::string>{"Amadeus", "Zulu"}));
  EXPECT_EQ(Feld(db.Spiele(), &TSpielRec::Name), (std::vector<std::string>{"Doom", "Myst"}));
}

TEST(TDBSortTree, LeereListe) {
  TDatBas db;
  db.AddSpiel({"Myst", "1", "Adventure", ""});
  TDBSortTreeF filmbaum(db);
  filmbaum.Sort(1, true);
  filmbaum.Sort(3, false);
  EXPECT_EQ(filmbaum.Root, nullptr);
  EXPECT_EQ(db.FilmCount(), 0);
  EXPECT_EQ(db.SpielCount(), 1);
}

// The fields in key order.
constexpr TShortString TFilmRec::*FilmFelder[] = {&TFilmRec::Name, &TFilmRec::CDAnzahl,
                                                  &TFilmRec::CDFormat, &TFilmRec::Genre,
                                                  &TFilmRec::Kommentar};
constexpr TShortString TSpielRec::*SpielFelder[] = {&TSpielRec::Name, &TSpielRec::CDAnzahl,
                                                    &TSpielRec::Genre, &TSpielRec::Kommentar};

// Record i holds "a", "b", "c" in the key field and the reverse everywhere
// else, so only the right field gives the order 0, 1, 2. Any other key ties
// all records, so ascending keeps the store order.
template <class TBaum, class TRec, std::size_t N>
void PrueftSchluessel(TShortString TRec::* const (&felder)[N], void (TDatBas::*add)(const TRec&),
                      const TSatzfolge<TRec>& (TDatBas::*lesen)() const) {
  for (std::size_t schluessel = 0; schluessel <= N + 1; ++schluessel) {
    std::vector<TRec> recs(3);
    for (std::size_t i = 0; i < 3; ++i)
      for (std::size_t f = 0; f < N; ++f)
        recs[i].*felder[f] = std::string(1, f + 1 == schluessel ? 'a' + i : 'c' - i);
    const std::vector<TRec> geladen{recs[1], recs[2], recs[0]};
    TDatBas db;
    for (const TRec& rec : geladen) (db.*add)(rec);
    TBaum(db).Sort(static_cast<int>(schluessel), true);
    EXPECT_EQ(Vektor((db.*lesen)()), schluessel >= 1 && schluessel <= N ? recs : geladen)
        << "Schluessel " << schluessel;
  }
}

TEST(TDBSortTree, JederSchluesselWaehltSeinFeld) {
  PrueftSchluessel<TDBSortTreeF>(FilmFelder, &TDatBas::AddFilm, &TDatBas::Filme);
  PrueftSchluessel<TDBSortTreeS>(SpielFelder, &TDatBas::AddSpiel, &TDatBas::Spiele);
}

TEST(TDBSortTree, ZufallslistenGegenStableSort) {
  // Few short texts from a small alphabet give many ties; Kommentar tells
  // the records apart. Stems of seven to nine bytes make texts that agree in
  // their first eight.
  const std::string zeichen[] = {"a", "A", "b", "Z", "\xC4", "\xE4", "1"};
  const std::string staemme[] = {"", "", "Der Pat", "Der Pate", "der PATE ", "Der Pate\xC4"};
  std::mt19937 zufall(1252);
  const auto text = [&] {
    std::string t = staemme[zufall() % std::size(staemme)];
    for (unsigned n = zufall() % 3; n > 0; --n) t += zeichen[zufall() % std::size(zeichen)];
    return t;
  };
  for (int liste = 0; liste < 6; ++liste) {
    std::vector<TFilmRec> original;
    for (int i = 0; i < 400; ++i)
      original.push_back({text(), text(), text(), text(), std::to_string(i)});
    for (int schluessel = 1; schluessel <= 4; ++schluessel) {
      TShortString TFilmRec::*feld = FilmFelder[schluessel - 1];
      std::vector<TFilmRec> erwartet = original;
      std::stable_sort(erwartet.begin(), erwartet.end(), [&](const TFilmRec& a, const TFilmRec& b) {
        return Gefaltet(a.*feld) < Gefaltet(b.*feld);
      });
      for (bool aufsteigend : {true, false}) {
        TDatBas db;
        for (const TFilmRec& film : original) db.AddFilm(film);
        TDBSortTreeF(db).Sort(schluessel, aufsteigend);
        if (!aufsteigend) std::reverse(erwartet.begin(), erwartet.end());
        EXPECT_EQ(Vektor(db.Filme()), erwartet) << "Liste " << liste << ", Schluessel " << schluessel;
      }
    }
  }
}

TEST(TDBSortTree, GrosseSortierteListeBleibtFlach) {
  constexpr int Anzahl = 200000;
  TDatBas db;
  std::vector<std::string> aufsteigend;
  for (int i = 0; i < Anzahl; ++i) {
    char name[24];
    std::snprintf(name, sizeof name, "Film %06d", i);
    aufsteigend.push_back(name);
    db.AddFilm(Film(name));
  }
  TDBSortTreeF baum(db);
  // Sorted, reversed, and all keys equal (CDFormat) are the orders that
  // would turn an unbalanced tree into a chain; the height is checked while
  // the tree grows, so a chain fails early.
  for (const auto& [schluessel, richtung] : {std::pair{1, true}, {1, false}, {3, true}}) {
    for (int i = 1; i <= Anzahl; ++i) {
      baum.InsertRec(schluessel, db.Filme()[static_cast<std::size_t>(i - 1)], richtung);
      if ((i & (i - 1)) == 0 || i == Anzahl) {
        ASSERT_LE(Hoehe(baum.Root), 1.45 * std::log2(i) + 2)
            << i << " Filme, Schluessel " << schluessel << ", " << richtung;
      }
    }
    baum.ClearTree();
  }

  baum.Sort(1, true);
  EXPECT_EQ(Namen(db), aufsteigend);
  baum.Sort(1, true);
  EXPECT_EQ(Namen(db), aufsteigend);
  baum.Sort(1, false);
  std::reverse(aufsteigend.begin(), aufsteigend.end());
  EXPECT_EQ(Namen(db), aufsteigend);
  EXPECT_EQ(baum.Root, nullptr);
}

}  // namespace
