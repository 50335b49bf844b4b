// The tables of the overview (and so of the spreadsheet export) and of the
// search results: headings, one row per record, position first.

#include "export/UTabelle.h"

#include <gtest/gtest.h>

using TZeile = std::vector<std::string>;

TEST(UTabelle, FilmUebersicht) {
  TDatBas db;
  db.AddFilm({"Alien", "2", "DivX 5.x", "Horror", "Director's Cut"});
  TTabelle t = Uebersicht(db, TSammlungsart::Filme);
  EXPECT_EQ(t.Spalten, 6);
  EXPECT_EQ(t.Breiten, (std::vector<int>{28, 305, 43, 110, 120, 240}));
  ASSERT_EQ(t.Zeilen.size(), 2u);
  EXPECT_EQ(t.Zeilen[0], (TZeile{"#", "Film", "CDs", "CD-Format", "Genre", "Kommentar"}));
  EXPECT_EQ(t.Zeilen[1], (TZeile{"1", "Alien", "2", "DivX 5.x", "Horror", "Director's Cut"}));
  EXPECT_EQ(UebersichtTitel(TSammlungsart::Filme), "Scheibwart - Tabellansicht: Filme");

  EXPECT_EQ(Uebersicht(TDatBas(), TSammlungsart::Filme).Zeilen, std::vector<TZeile>{t.Zeilen[0]});
}

TEST(UTabelle, SpielUebersichtBehaeltLeereFelder) {
  TDatBas db;
  db.AddSpiel({"Doom", "1", "Shooter", ""});
  db.AddSpiel({"", "", "", ""});
  db.AddSpiel({"M\xFC" "hle", " ", "Brett", "\xBD fertig"});
  TTabelle t = Uebersicht(db, TSammlungsart::Spiele);
  EXPECT_EQ(t.Spalten, 5);
  EXPECT_EQ(t.Breiten, (std::vector<int>{28, 338, 50, 180, 250}));
  EXPECT_EQ(t.Zeilen, (std::vector<TZeile>{{"#", "Spiel", "CDs", "Genre", "Kommentar"},
                                           {"1", "Doom", "1", "Shooter", ""},
                                           {"2", "", "", "", ""},
                                           {"3", "M\xFC" "hle", " ", "Brett", "\xBD fertig"}}));
  EXPECT_EQ(UebersichtTitel(TSammlungsart::Spiele), "Scheibwart - Tabellansicht: Spiele");
}

TEST(UTabelle, ZeilenTragenDiePositionInDerSammlung) {
  TDatBas db;
  for (int i = 1; i <= 12; ++i) db.AddFilm({"Film " + std::to_string(i), "1", "VCD", "", ""});
  TTabelle t = Sammlungstabelle(db, TSammlungsart::Filme, {2, 5, 12}, {1, 2, 3, 4, 5, 6});
  ASSERT_EQ(t.Zeilen.size(), 4u);
  EXPECT_EQ(t.Zeilen[1], (TZeile{"2", "Film 2", "1", "VCD", "", ""}));
  EXPECT_EQ(t.Zeilen[2][0], "5");
  EXPECT_EQ(t.Zeilen[3], (TZeile{"12", "Film 12", "1", "VCD", "", ""}));
  EXPECT_EQ(t.Breiten, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}
