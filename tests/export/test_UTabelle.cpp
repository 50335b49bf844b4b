// The tables of the overview (and so of the spreadsheet export) and of the
// search results: headings, one row per record, position first.

#include "export/UTabelle.h"

#include <gtest/gtest.h>

using TZeile = std::vector<std::string>;

std::vector<TZeile> Texte(const TRaster& tabelle) {
  std::vector<TZeile> zeilen;
  for (int z = 0; z < tabelle.ZeilenZahl(); ++z) zeilen.push_back(tabelle.Zeile(z));
  return zeilen;
}

TEST(UTabelle, FilmUebersicht) {
  TDatBas db;
  db.AddFilm({"Alien", "2", "DivX 5.x", "Horror", "Director's Cut"});
  const TSammlungstabelle t = Uebersicht(db, TSammlungsart::Filme);
  EXPECT_EQ(t.SpaltenZahl(), 6);
  EXPECT_EQ(t.Spaltenbreiten(), (std::vector<int>{28, 305, 43, 110, 120, 240}));
  const std::vector<TZeile> zeilen = Texte(t);
  ASSERT_EQ(zeilen.size(), 2u);
  EXPECT_EQ(zeilen[0], (TZeile{"#", "Film", "CDs", "CD-Format", "Genre", "Kommentar"}));
  EXPECT_EQ(zeilen[1], (TZeile{"1", "Alien", "2", "DivX 5.x", "Horror", "Director's Cut"}));
  EXPECT_EQ(UebersichtTitel(TSammlungsart::Filme), "Scheibwart - Tabellansicht: Filme");

  EXPECT_EQ(Texte(Uebersicht(TDatBas(), TSammlungsart::Filme)), std::vector<TZeile>{zeilen[0]});
}

TEST(UTabelle, SpielUebersichtBehaeltLeereFelder) {
  TDatBas db;
  db.AddSpiel({"Doom", "1", "Shooter", ""});
  db.AddSpiel({"", "", "", ""});
  db.AddSpiel({"M\xFC" "hle", " ", "Brett", "\xBD fertig"});
  const TSammlungstabelle t = Uebersicht(db, TSammlungsart::Spiele);
  EXPECT_EQ(t.SpaltenZahl(), 5);
  EXPECT_EQ(t.Spaltenbreiten(), (std::vector<int>{28, 338, 50, 180, 250}));
  EXPECT_EQ(Texte(t), (std::vector<TZeile>{{"#", "Spiel", "CDs", "Genre", "Kommentar"},
                                           {"1", "Doom", "1", "Shooter", ""},
                                           {"2", "", "", "", ""},
                                           {"3", "M\xFC" "hle", " ", "Brett", "\xBD fertig"}}));
  EXPECT_EQ(UebersichtTitel(TSammlungsart::Spiele), "Scheibwart - Tabellansicht: Spiele");
}

TEST(UTabelle, ZeilenTragenDiePositionInDerSammlung) {
  TDatBas db;
  for (int i = 1; i <= 12; ++i) db.AddFilm({"Film " + std::to_string(i), "1", "VCD", "", ""});
  const TSammlungstabelle t(db, TSammlungsart::Filme, {2, 5, 12}, {1, 2, 3, 4, 5, 6});
  ASSERT_EQ(t.ZeilenZahl(), 4);
  EXPECT_EQ(t.Zeile(1), (TZeile{"2", "Film 2", "1", "VCD", "", ""}));
  EXPECT_EQ(t.Zelle(2, 0), "5");
  EXPECT_EQ(t.Zeile(3), (TZeile{"12", "Film 12", "1", "VCD", "", ""}));
  EXPECT_EQ(t.Spaltenbreiten(), (std::vector<int>{1, 2, 3, 4, 5, 6}));

  // The texts come from the store when they are read; a position it no
  // longer has reads as empty fields.
  db.SetFilm(2, {"Neu", "3", "DVD", "", ""});
  db.DeleteFilm(12);
  EXPECT_EQ(t.Zeile(1), (TZeile{"2", "Neu", "3", "DVD", "", ""}));
  EXPECT_EQ(t.Zeile(3), (TZeile{"12", "", "", "", "", ""}));
}
