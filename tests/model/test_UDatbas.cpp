// The collection store: 1-based film and game lists, checked against a plain
// vector so that no position can hand out a wrong record.

#include "model/UDatbas.h"
#include "support/Vektor.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

TFilmRec Film(const std::string& name) { return {name, "1", "DVD", "Drama", "gut"}; }
TSpielRec Spiel(const std::string& name) { return {name, "2", "Strategie", ""}; }

TEST(TDatBas, LeererSpeicher) {
  TDatBas db;
  TFilmRec f = Film("bleibt");
  TSpielRec s = Spiel("bleibt");
  db.GetFilm(1, f);
  db.GetFilm(0, f);
  db.GetSpiel(1, s);
  EXPECT_EQ(f, Film("bleibt"));
  EXPECT_EQ(s, Spiel("bleibt"));
  db.DeleteFilm(1);
  db.SetFilm(0, Film("neu"));
  db.DeleteSpiel(1);
  db.SetSpiel(1, Spiel("neu"));
  EXPECT_EQ(db.FilmCount(), 0);
  EXPECT_EQ(db.SpielCount(), 0);
  EXPECT_TRUE(db.Filme().empty());
}

TEST(TDatBas, AnfuegenLoeschenSetzen) {
  TDatBas db;
  const TFilmRec r1 = Film("R1"), r2 = Film("R2"), r3 = Film("R3"), r4 = Film("R4");
  db.AddFilm(r1);
  db.AddFilm(r2);
  db.AddFilm(r3);
  EXPECT_EQ(Vektor(db.Filme()), (std::vector{r1, r2, r3}));
  TFilmRec dest = r4;
  db.GetFilm(4, dest);
  db.GetFilm(-1, dest);
  EXPECT_EQ(dest, r4);

  db.DeleteFilm(2);
  EXPECT_EQ(Vektor(db.Filme()), (std::vector{r1, r3}));
  db.DeleteFilm(3);
  db.DeleteFilm(0);
  db.DeleteFilm(INT_MIN);
  EXPECT_EQ(Vektor(db.Filme()), (std::vector{r1, r3}));
  db.SetFilm(0, r4);
  EXPECT_EQ(Vektor(db.Filme()), (std::vector{r4, r3}));
  db.SetFilm(INT_MIN, r2);
  db.SetFilm(3, r1);
  db.SetFilm(INT_MAX, r1);
  EXPECT_EQ(Vektor(db.Filme()), (std::vector{r2, r3}));
  db.AddFilm(r3);  // the same record twice is two entries
  EXPECT_EQ(Vektor(db.Filme()), (std::vector{r2, r3, r3}));

  // The games take the same way through the store.
  db.AddSpiel(Spiel("S1"));
  db.AddSpiel(Spiel("S2"));
  db.AddSpiel(Spiel("S3"));
  db.DeleteSpiel(2);
  db.SetSpiel(1, Spiel("S4"));
  db.SetSpiel(3, Spiel("S5"));
  EXPECT_EQ(Vektor(db.Spiele()), (std::vector{Spiel("S4"), Spiel("S3")}));
  EXPECT_EQ(db.FilmCount(), 3);

  // Clearing one list leaves the other.
  db.ClearFilme();
  EXPECT_EQ(db.FilmCount(), 0);
  EXPECT_EQ(db.SpielCount(), 2);
  db.AddFilm(r1);
  EXPECT_EQ(Vektor(db.Filme()), (std::vector{r1}));
  db.ClearSpiele();
  db.AddSpiel(Spiel("S6"));
  EXPECT_EQ(Vektor(db.Spiele()), (std::vector{Spiel("S6")}));
  EXPECT_EQ(db.FilmCount(), 1);
}

TEST(TDatBas, TexteHoechstens255Bytes) {
  TDatBas db;
  const std::string mitNull("a\0b\xFF", 4);
  db.AddFilm({std::string(300, 'a'), std::string(255, 'b'), mitNull, "", ""});
  TFilmRec f;
  db.GetFilm(1, f);
  EXPECT_EQ(f.Name.str(), std::string(255, 'a'));
  EXPECT_EQ(f.CDAnzahl.str(), std::string(255, 'b'));
  EXPECT_EQ(f.CDFormat.str(), mitNull);
}

// Random operations against a vector. Indexes cluster around the last one
// used and stray past both ends; now and then a forward
// pass deletes as it goes, the way a list is thinned out.
TEST(TDatBas, ZufaelligeFolgeWieVektor) {
  TDatBas db;
  std::vector<TFilmRec> soll;
  std::mt19937 zufall(20240611);
  auto wuerfel = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(zufall); };
  int letzter = 1;
  for (int schritt = 0; schritt < 20000; ++schritt) {
    SCOPED_TRACE(schritt);
    const int n = static_cast<int>(soll.size());
    const int i = letzter = wuerfel(0, 1) ? letzter + wuerfel(-2, 2) : wuerfel(-1, n + 2);
    const int art = wuerfel(0, 99);
    TFilmRec neu = Film(std::to_string(schritt));
    neu.CDAnzahl = schritt % 5 == 0 ? "zwei" : std::to_string(schritt % 7);
    if (art < 25) {
      db.AddFilm(neu);
      soll.push_back(neu);
    } else if (art < 45) {
      db.DeleteFilm(i);
      if (i >= 1 && i <= n) soll.erase(soll.begin() + (i - 1));
    } else if (art < 60) {
      db.SetFilm(i, neu);
      if (n > 0 && i <= n) soll[i < 1 ? 0 : i - 1] = neu;
    } else if (art < 99) {
      TFilmRec dest = neu;
      db.GetFilm(i, dest);
      ASSERT_EQ(dest, i >= 1 && i <= n ? soll[i - 1] : neu) << "GetFilm(" << i << ")";
    } else {
      db.ClearFilme();
      soll.clear();
    }
    if (schritt % 500 == 0)
      for (int k = 1; k <= db.FilmCount(); ++k) {
        TFilmRec r;
        db.GetFilm(k, r);
        ASSERT_EQ(r, soll[k - 1]);
        if (wuerfel(0, 3) == 0) {
          db.DeleteFilm(k);
          soll.erase(soll.begin() + (k-- - 1));
        }
      }

    // The records themselves, not through the positional calls.
    ASSERT_EQ(db.FilmCount(), static_cast<int>(soll.size()));
    ASSERT_EQ(Vektor(db.Filme()), soll);
    TCDZaehlung cds;
    for (const TFilmRec& film : soll) {
      cds.Summe += IntegerWert(film.CDAnzahl).value_or(0);
      cds.OhneZahl += IntegerWert(film.CDAnzahl) ? 0 : 1;
    }
    ASSERT_EQ(db.FilmCDs().Summe, cds.Summe);
    ASSERT_EQ(db.FilmCDs().OhneZahl, cds.OhneZahl);
  }
}

// The records lie in blocks: a list of many blocks, thinned out until blocks
// empty and refilled at its end, still reads as the vector does.
TEST(TDatBas, VieleBloeckeWieVektor) {
  TDatBas db;
  std::vector<TFilmRec> soll;
  std::mt19937 zufall(20261209);
  auto wuerfel = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(zufall); };
  for (int runde = 0; runde < 3; ++runde) {
    for (int k = 0; k < 1500; ++k) {
      db.AddFilm(Film(std::to_string(runde) + "/" + std::to_string(k)));
      soll.push_back(Film(std::to_string(runde) + "/" + std::to_string(k)));
    }
    while (soll.size() > 200) {
      const int i = soll.size() > 900 ? wuerfel(1, 600) : wuerfel(1, static_cast<int>(soll.size()));
      db.DeleteFilm(i);
      soll.erase(soll.begin() + (i - 1));
    }
    ASSERT_EQ(Vektor(db.Filme()), soll);
    for (std::size_t k = 0; k < soll.size(); ++k) ASSERT_EQ(db.Filme()[k], soll[k]) << k;
  }
}

}  // namespace
