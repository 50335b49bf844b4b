// The statistics numbers: which count texts are integers, and the CD totals
// of the panel and of the clipboard text.

#include "model/UStatistik.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace {

void FuegeFilmeHinzu(TDatBas& db, std::initializer_list<const char*> anzahlen) {
  for (const char* anzahl : anzahlen) db.AddFilm({"Film", anzahl, "DVD", "Drama", ""});
}

void FuegeSpieleHinzu(TDatBas& db, std::initializer_list<const char*> anzahlen) {
  for (const char* anzahl : anzahlen) db.AddSpiel({"Spiel", anzahl, "Strategie", ""});
}

TEST(UStatistik, GueltigeZahlen) {
  EXPECT_EQ(IntegerWert("0"), 0);
  EXPECT_EQ(IntegerWert(" 5"), 5);
  EXPECT_EQ(IntegerWert("+7"), 7);
  EXPECT_EQ(IntegerWert("-4"), -4);
  EXPECT_EQ(IntegerWert("007"), 7);
  EXPECT_EQ(IntegerWert("2147483647"), 2147483647);
  EXPECT_EQ(IntegerWert("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(IntegerWert("$10"), 16);
  EXPECT_EQ(IntegerWert("0x10"), 16);
  EXPECT_EQ(IntegerWert("x10"), 16);
  EXPECT_EQ(IntegerWert("  X1f"), 31);
  EXPECT_EQ(IntegerWert("0XaB"), 171);
  EXPECT_EQ(IntegerWert("$FFFFFFFF"), -1);
  EXPECT_EQ(IntegerWert("$80000000"), -2147483647 - 1);
  EXPECT_EQ(IntegerWert("$00000001"), 1);
}

TEST(UStatistik, UngueltigeZahlen) {
  for (const char* text : {"", " ", "+", "-", "$", "x", "0x", "5 ", "5 CDs", "viele", "1a",
                           "2147483648", "-2147483649", "99999999999999999999", "$100000000",
                           "-$1", "+0x1", "$G", "0x-1", "1.5", "\t5", "- 5"})
    EXPECT_FALSE(IsValidInteger(text)) << '"' << text << '"';
  EXPECT_TRUE(IsValidInteger("-0"));
}

TEST(UStatistik, LeereSammlung) {
  TDatBas db;
  const TStatistikLabels labels = StatistikLabels(db, {0, 0, 0, 0, 0});
  EXPECT_EQ(labels.LSF, "0 (0 CDs)");
  EXPECT_EQ(labels.LSS, "0 (0 CDs)");
  EXPECT_EQ(labels.LSFW, "0");
  EXPECT_EQ(labels.LSSW, "0");
  EXPECT_EQ(labels.LSV, "0");
  // Every number in the text is 0; KleineSammlung checks the wording.
  const std::string text = StatistikText(db, {0, 0, 0, 0, 0});
  EXPECT_EQ(std::count(text.begin(), text.end(), '0'), 7);
  EXPECT_EQ(text.find_first_of("123456789"), std::string::npos);
}

// The panel counts a count that is no number as one CD, the clipboard as
// none; both totals stay at least the number of records.
TEST(UStatistik, CDSummen) {
  struct TFall {
    std::initializer_list<const char*> Anzahlen;
    const char* Panel;
    const char* Zwischenablage;
  };
  const TFall faelle[] = {
      {{"3"}, "1 (3 CDs)", "3"},
      {{"0", "0", "0"}, "3 (3 CDs)", "3"},
      {{"2", "", "viele"}, "3 (4 CDs)", "3"},
      {{"5 ", "5 CDs"}, "2 (2 CDs)", "2"},
      {{"10", "-4"}, "2 (6 CDs)", "6"},
      {{"2", "-4", "1"}, "3 (3 CDs)", "3"},
      {{"$10", " 5"}, "2 (21 CDs)", "21"},
      {{"2147483647", "2147483647", "2147483647"}, "3 (6442450941 CDs)", "6442450941"},
  };
  for (const TFall& fall : faelle) {
    // Films and games follow the same rule.
    TDatBas db;
    FuegeFilmeHinzu(db, fall.Anzahlen);
    FuegeSpieleHinzu(db, fall.Anzahlen);
    const int n = static_cast<int>(fall.Anzahlen.size());
    const TStatistikLabels labels = StatistikLabels(db, {n, n, 0, 0, 0});
    EXPECT_EQ(labels.LSF, fall.Panel);
    EXPECT_EQ(labels.LSS, fall.Panel);
    const std::string text = StatistikText(db, {n, n, 0, 0, 0});
    const std::string summe =
        std::string("Das sind insgesamt ") + fall.Zwischenablage + " CDs.\r\n";
    EXPECT_NE(text.find(summe), std::string::npos) << fall.Panel;
    EXPECT_NE(text.find(summe, text.find(summe) + 1), std::string::npos) << fall.Panel;
  }
}

TEST(UStatistik, KleineSammlung) {
  TDatBas db;
  FuegeFilmeHinzu(db, {"2", "", "1"});
  FuegeSpieleHinzu(db, {"viele"});
  // The labels take the line counts of the lists, the text the store's counts.
  const TListenZahlen zahlen{2, 1, 4, 5, 6};
  const TStatistikLabels labels = StatistikLabels(db, zahlen);
  EXPECT_EQ(labels.LSF, "2 (4 CDs)");
  EXPECT_EQ(labels.LSS, "1 (1 CDs)");
  EXPECT_EQ(labels.LSFW, "4");
  EXPECT_EQ(labels.LSSW, "5");
  EXPECT_EQ(labels.LSV, "6");
  EXPECT_EQ(StatistikText(db, zahlen),
            "Es befinden sich 3 Filme in Ihrer CD-Sammlung.\r\n"
            "Das sind insgesamt 3 CDs.\r\n"
            " \r\n"
            "Es befinden sich 1 Spiele in Ihrer CD-Sammlung.\r\n"
            "Das sind insgesamt 1 CDs.\r\n"
            " \r\n"
            "Es befinden sich 4 Eintr\xE4" "ge in Ihrer Film-Wunschliste.\r\n"
            " \r\n"
            "Es befinden sich 5 Eintr\xE4" "ge in Ihrer Spiele-Wunschliste.\r\n"
            " \r\n"
            "Es befinden sich 6 Eintr\xE4" "ge in Ihrer Verleih-Liste.\r\n");
}

}  // namespace
