// The DIF files of films and games: header, rows, cells and the fixed counts
// that the header claims whatever follows.

#include "export/UDif.h"
#include "export/Zeilenvergleich.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Everything before the first film row, for a store of `anzahl` films.
TZeilen FilmAnfang(const std::string& anzahl) {
  return {"TABLE",   "0,1", "\"EXCEL\"",
          "VECTORS", "0,18", "\"\"",
          "TUPLES",  "0,8", "\"\"",
          "DATA",    "0,0", "\"\"",
          "-1,0", "BOT", "1,0", "\" \"", "1,0", "\"Die CD-Sammlung enthaelt " + anzahl + " Filme\"",
          "-1,0", "BOT",
          "-1,0", "BOT",
          "1,0", "\"Nummer\"", "1,0", "\"Filmname\"", "1,0", "\"CD-Anzahl\"",
          "1,0", "\"CD-Format\"", "1,0", "\"Genre\"", "1,0", "\"Kommentar\"",
          "-1,0", "BOT"};
}

TZeilen Schluss(const std::string& version) {
  return {"-1,0", "BOT", "1,0", "\" \"",
          "-1,0", "BOT", "1,0", "\" \"",
          "1,0", "\"Diese CD-Sammlung wurde erstellt mit: Scheibwart " + version +
                     "  [ https://www.scheibwart.de ]\"",
          "-1,0", "EOD"};
}

long Zeilenzahl(const TZeilen& dif) { return std::count(dif.begin(), dif.end(), "BOT"); }

TEST(UDif, LeererBestand) {
  TDatBas db;
  const TZeilen dif = Gesammelt(DifFilmZeilen, db);
  VergleicheZeilen(dif, Folge({FilmAnfang("0"), Schluss("v1.0")}));
  EXPECT_EQ(dif.size(), 48u);
  EXPECT_EQ(Zeilenzahl(dif), 6);
}

// Every cell is a string, the row number too; values keep their quotes and
// markup characters, and an empty field is a quoted blank.
TEST(UDif, ZweiFilme) {
  TDatBas db;
  db.AddFilm({"Der \"Pate\" <1972>", "3", "VHS", "Drama & Krimi", "gut"});
  db.AddFilm({"Stummfilm", "", "", "", ""});
  const TZeilen dif = Gesammelt(DifFilmZeilen, db);
  VergleicheZeilen(dif, Folge({FilmAnfang("2"),
                               {"-1,0", "BOT",
                                "1,0", "\"1 \"",
                                "1,0", "\"Der \"Pate\" <1972> \"",
                                "1,0", "\"3 \"",
                                "1,0", "\"VHS \"",
                                "1,0", "\"Drama & Krimi \"",
                                "1,0", "\"gut \"",
                                "-1,0", "BOT",
                                "1,0", "\"2 \"",
                                "1,0", "\"Stummfilm \"",
                                "1,0", "\" \"",
                                "1,0", "\" \"",
                                "1,0", "\" \"",
                                "1,0", "\" \""},
                               Schluss("v1.0")}));
  EXPECT_EQ(Zeilenzahl(dif), 8);
}

TEST(UDif, KopfZaehltImmerAchtZeilen) {
  TDatBas db;
  for (const char* name : {"A", "B", "C"}) db.AddFilm({name, "1", "DVD", "", ""});
  const TZeilen dif = Gesammelt(DifFilmZeilen, db);
  EXPECT_EQ(Zeilenzahl(dif), 9);
  EXPECT_EQ(dif[7], "0,8");
  EXPECT_EQ(dif[17], "\"Die CD-Sammlung enthaelt 3 Filme\"");
  EXPECT_EQ(dif.size(), 48u + 3 * 14);
}

TEST(UDif, Spiele) {
  TDatBas db;
  db.AddSpiel({"Myst", "2", "Adventure", ""});
  VergleicheZeilen(Gesammelt(DifSpielZeilen, db),
                   Folge({{"TABLE",   "0,1", "\"EXCEL\"",
                           "VECTORS", "0,18", "\"\"",
                           "TUPLES",  "0,8", "\"\"",
                           "DATA",    "0,0", "\"\"",
                           "-1,0", "BOT", "1,0", "\" \"",
                           "1,0", "\"Die CD-Sammlung enthaelt 1 Spiele\"",
                           "-1,0", "BOT",
                           "-1,0", "BOT",
                           "1,0", "\"Nummer\"", "1,0", "\"Spiel\"", "1,0", "\"CD-Anzahl\"",
                           "1,0", "\"Genre\"", "1,0", "\"Kommentar\"",
                           "-1,0", "BOT",
                           "-1,0", "BOT",
                           "1,0", "\"1 \"",
                           "1,0", "\"Myst \"",
                           "1,0", "\"2 \"",
                           "1,0", "\"Adventure \"",
                           "1,0", "\" \""},
                          Schluss("v0.2")}));
}

}  // namespace
