// The search: a contiguous run of the search text, only A to Z folded, the
// search text cut to the field width, hits in collection order.

#include "model/USuche.h"

#include <gtest/gtest.h>

#include <string>

TEST(USuche, NurAbisZOhneRuecksichtAufGrossschreibung) {
  EXPECT_TRUE(MatchesSearchText("Sternenkrieg", "stern"));
  EXPECT_TRUE(MatchesSearchText("Abendstern", "stern"));
  EXPECT_TRUE(MatchesSearchText("Sternenkrieg", "STERN"));
  EXPECT_TRUE(MatchesSearchText("Abendstern", "STERN"));
  EXPECT_TRUE(MatchesSearchText("Abendstern", "dSt"));
  EXPECT_FALSE(MatchesSearchText("Abend stern", "dstern"));  // one run, no gaps
  EXPECT_FALSE(MatchesSearchText("Sternenkrieg", "stern "));
  // Umlauts and ß are not folded: ärger does not find Ärger, über not Über.
  EXPECT_FALSE(MatchesSearchText("\xC4rger im Paradies", "\xE4rger"));
  EXPECT_TRUE(MatchesSearchText("\xC4rger im Paradies", "\xC4RGER"));
  EXPECT_FALSE(MatchesSearchText("\xDC" "ber den Wolken", "\xFC" "ber"));
  EXPECT_FALSE(MatchesSearchText("STRASSE", "stra\xDF" "e"));
  // Only the 26 letters fold: "[" and "{" sit 32 apart like "A" and "a".
  EXPECT_FALSE(MatchesSearchText("[", "{"));
}

TEST(USuche, LaengeDesSuchtexts) {
  EXPECT_TRUE(MatchesSearchText("Alien", "alien"));
  EXPECT_FALSE(MatchesSearchText("Alien", "aliens"));
  EXPECT_FALSE(MatchesSearchText("", "a"));
  EXPECT_TRUE(MatchesSearchText("", ""));

  // A search text beyond 255 characters is cut first, so a full field is
  // still found by a text that only adds to its end.
  const std::string feld(255, 'x');
  EXPECT_TRUE(MatchesSearchText(feld, feld + "y"));
  EXPECT_FALSE(MatchesSearchText(std::string(254, 'x'), std::string(255, 'x')));
}

TEST(USuche, TrefferInSammlungsreihenfolgeImGewaehltenFeld) {
  TDatBas db;
  for (int i = 1; i <= 10; ++i) {
    const bool treffer = i == 2 || i == 5 || i == 9;
    db.AddFilm({treffer ? "Stern " + std::to_string(i) : "Mond", "1", i == 3 ? "Stern-DVD" : "DVD",
                i == 4 ? "Sternkunde" : "Drama", i == 6 ? "stern" : ""});
  }
  EXPECT_EQ(Treffer(db, TSammlungsart::Filme, TSuchfeld::Name, "stern"), (std::vector<int>{2, 5, 9}));
  EXPECT_EQ(Treffer(db, TSammlungsart::Filme, TSuchfeld::Format, "stern"), std::vector<int>{3});
  EXPECT_EQ(Treffer(db, TSammlungsart::Filme, TSuchfeld::Genre, "stern"), std::vector<int>{4});
  EXPECT_EQ(Treffer(db, TSammlungsart::Filme, TSuchfeld::Kommentar, "stern"), std::vector<int>{6});
  EXPECT_TRUE(Treffer(db, TSammlungsart::Spiele, TSuchfeld::Name, "stern").empty());

  db.AddSpiel({"Doom", "1", "Shooter", "Klassiker"});
  db.AddSpiel({"Quake", "2", "Shooter", ""});
  db.AddSpiel({"Myst", "shooter", "Adventure", "Shooter? nein"});
  EXPECT_EQ(Treffer(db, TSammlungsart::Spiele, TSuchfeld::Genre, "shoot"), (std::vector<int>{1, 2}));
  EXPECT_EQ(Treffer(db, TSammlungsart::Spiele, TSuchfeld::Kommentar, "SHOOT"), std::vector<int>{3});
  EXPECT_EQ(Treffer(db, TSammlungsart::Spiele, TSuchfeld::Name, "Q"), std::vector<int>{2});
  // Games have no CD format field.
  EXPECT_TRUE(Treffer(db, TSammlungsart::Spiele, TSuchfeld::Format, "").empty());
}
