// Replacing a file in one step: what is left on disk after success and after
// every kind of failure.

#include "platform/AtomareDatei.h"
#include "platform/TempOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

mode_t Rechte(const std::string& pfad) {
  struct stat st {};
  EXPECT_EQ(stat(pfad.c_str(), &st), 0) << pfad;
  return st.st_mode & 07777;
}

bool IstLink(const std::string& pfad) {
  struct stat st {};
  return lstat(pfad.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

TEST(AtomareDatei, NeueDateiUndErsetzen) {
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("a.swl");
  SchreibeDateiAtomar(pfad, Bytes("eins"));
  EXPECT_EQ(LiesBytes(pfad), Bytes("eins"));
  const mode_t maske = umask(0);
  umask(maske);
  EXPECT_EQ(Rechte(pfad), 0666 & ~maske);

  // A replaced file keeps its own permission bits, even unusual ones.
  chmod(pfad.c_str(), 0604);
  SchreibeDateiAtomar(pfad, Bytes("zwei, l\xE4nger"));
  EXPECT_EQ(LiesBytes(pfad), Bytes("zwei, l\xE4nger"));
  EXPECT_EQ(Rechte(pfad), 0604u);
  SchreibeDateiAtomar(pfad, {});
  EXPECT_EQ(LiesBytes(pfad), Bytes(""));
  EXPECT_EQ(ordner.Eintraege(), Namen{"a.swl"});
}

TEST(AtomareDatei, SymbolischerLinkBleibt) {
  TTempOrdner ordner;
  mkdir(ordner.Pfad("echt").c_str(), 0755);
  SchreibBytes(ordner.Pfad("echt/ziel.swl"), Bytes("alt"));
  chmod(ordner.Pfad("echt/ziel.swl").c_str(), 0640);
  ASSERT_EQ(symlink("echt/ziel.swl", ordner.Pfad("link.swl").c_str()), 0);
  ASSERT_EQ(symlink("link.swl", ordner.Pfad("link2.swl").c_str()), 0);

  SchreibeDateiAtomar(ordner.Pfad("link2.swl"), Bytes("neu"));
  EXPECT_TRUE(IstLink(ordner.Pfad("link.swl")));
  EXPECT_TRUE(IstLink(ordner.Pfad("link2.swl")));
  EXPECT_EQ(LiesBytes(ordner.Pfad("echt/ziel.swl")), Bytes("neu"));
  EXPECT_EQ(Rechte(ordner.Pfad("echt/ziel.swl")), 0640u);
  EXPECT_EQ(ordner.Eintraege(), (Namen{"echt", "link.swl", "link2.swl"}));
  EXPECT_EQ(ordner.Eintraege("echt"), Namen{"ziel.swl"});

  // A link to a file not yet there stays a link, and the file appears.
  ASSERT_EQ(symlink("echt/kommt.swl", ordner.Pfad("vor.swl").c_str()), 0);
  SchreibeDateiAtomar(ordner.Pfad("vor.swl"), Bytes("da"));
  EXPECT_TRUE(IstLink(ordner.Pfad("vor.swl")));
  EXPECT_EQ(LiesBytes(ordner.Pfad("echt/kommt.swl")), Bytes("da"));

  // An absolute link, and one that points into itself.
  ASSERT_EQ(symlink(ordner.Pfad("echt/ziel.swl").c_str(), ordner.Pfad("abs.swl").c_str()), 0);
  SchreibeDateiAtomar(ordner.Pfad("abs.swl"), Bytes("absolut"));
  EXPECT_TRUE(IstLink(ordner.Pfad("abs.swl")));
  EXPECT_EQ(LiesBytes(ordner.Pfad("echt/ziel.swl")), Bytes("absolut"));
  ASSERT_EQ(symlink("kreis.swl", ordner.Pfad("kreis.swl").c_str()), 0);
  EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(ordner.Pfad("kreis.swl"), Bytes("x")); }),
            "Ungültiger Dateiname");
  EXPECT_TRUE(IstLink(ordner.Pfad("kreis.swl")));
}

TEST(AtomareDatei, FehlerLassenAllesWieEsWar) {
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("alt.swl");
  SchreibBytes(pfad, Bytes("alter Inhalt"));

  EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(ordner.Pfad("fehlt/a.swl"), Bytes("x")); }),
            "Datei nicht gefunden");
  EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(pfad + "/a.swl", Bytes("x")); }),
            "Ungültiger Dateiname");
  mkdir(ordner.Pfad("ordner.swl").c_str(), 0755);
  EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(ordner.Pfad("ordner.swl"), Bytes("x")); }),
            "Dateizugriff verweigert");

  // A real write failure, midway through the data.
  const std::vector<std::uint8_t> gross(3 * 3072, 0x41);
  {
    TDateiGroessenGrenze grenze(4096);
    EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(pfad, gross); }), "E/A-Fehler 27");
    EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(ordner.Pfad("neu.swl"), gross); }),
              "E/A-Fehler 27");
  }
  EXPECT_EQ(LiesBytes(pfad), Bytes("alter Inhalt"));
  EXPECT_EQ(ordner.Eintraege(), (Namen{"alt.swl", "ordner.swl"}));
  EXPECT_TRUE(ordner.Eintraege("ordner.swl").empty());

  // With the limit gone the same write works.
  SchreibeDateiAtomar(pfad, gross);
  EXPECT_EQ(LiesBytes(pfad), gross);
}

}  // namespace

TEST(AtomareDatei, SchreibgeschuetzteDateiBleibtStehen) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write every file";
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("geschuetzt.swl");
  SchreibeDateiAtomar(pfad, Bytes("alt"));
  chmod(pfad.c_str(), 0444);
  EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(pfad, Bytes("neu")); }), "Dateizugriff verweigert");
  EXPECT_EQ(LiesBytes(pfad), Bytes("alt"));
  EXPECT_EQ(ordner.Eintraege(), Namen{"geschuetzt.swl"});
}
