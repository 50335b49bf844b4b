// Writing export lines to a file: the bytes on disk, the failure texts, and
// what a failure leaves behind.

#include "export/UDif.h"
#include "export/UHtmlReport.h"
#include "export/UTextReport.h"
#include "export/UZeilendatei.h"
#include "export/Zeilenvergleich.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(UZeilendatei, JedeZeileMitCrLf) {
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("a.txt");
  SchreibeZeilen(pfad, AlsBauer({"eins", "", " \xAF\xFC "}));
  EXPECT_EQ(Text(LiesBytes(pfad)), "eins\r\n\r\n \xAF\xFC \r\n");
  SchreibeZeilen(pfad, AlsBauer({}));
  EXPECT_EQ(Text(LiesBytes(pfad)), "");
  EXPECT_EQ(ordner.Eintraege(), Namen{"a.txt"});
}

// A line longer than the file's buffer, whole or in parts, is written whole.
TEST(UZeilendatei, LangeZeilen) {
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("a.txt");
  const std::string lang(300000, 'a');
  SchreibeZeilen(pfad, [&](TZeilenZiel& z) {
    z.Zeile({lang, "x", lang});
    z.Zeile(lang);
  });
  EXPECT_EQ(Text(LiesBytes(pfad)), lang + "x" + lang + "\r\n" + lang + "\r\n");
}

TEST(UZeilendatei, ExportdateienZeileFuerZeile) {
  TTempOrdner ordner;
  TDatBas db;
  db.AddFilm({"Matrix", "2", "DVD", "", ""});
  db.AddFilm({"Alien", "1", "", "", ""});
  db.AddSpiel({"Myst", "2", "Adventure", ""});
  const TExportQuelle quelle{db, true, true, {"Brazil"}, {}, {"Matrix an Peter", "Myst an Anna"}};

  struct TFall {
    const char* Name;
    std::function<void(TZeilenZiel&)> Bauer;
    std::size_t Anzahl;
  };
  const TFall faelle[] = {
      {"bericht.txt", [&](TZeilenZiel& z) { TextReportZeilen(quelle, z); }, 1 + 9 + 8 + 8 + 5 + 8},
      {"bericht.html", [&](TZeilenZiel& z) { HtmlZeilen(quelle, z); }, 34 + 14 + 4 + 12 + 5 + 25},
      {"filme.dif", [&](TZeilenZiel& z) { DifFilmZeilen(db, z); }, 48 + 2 * 14},
      {"spiele.dif", [&](TZeilenZiel& z) { DifSpielZeilen(db, z); }, 46 + 12},
  };
  for (const TFall& fall : faelle) {
    SchreibeZeilen(ordner.Pfad(fall.Name), fall.Bauer);
    TZeilenSammler soll;
    fall.Bauer(soll);
    const std::vector<std::string> gelesen = InZeilen(Text(LiesBytes(ordner.Pfad(fall.Name))));
    EXPECT_EQ(gelesen.size(), fall.Anzahl) << fall.Name;
    EXPECT_EQ(gelesen, soll.Zeilen()) << fall.Name;
  }
}

TEST(UZeilendatei, DateiNichtErstellbar) {
  TTempOrdner ordner;
  SchreibBytes(ordner.Pfad("datei"), Bytes("alt"));
  mkdir(ordner.Pfad("ordner.txt").c_str(), 0755);
  mkfifo(ordner.Pfad("rohr.txt").c_str(), 0600);
  for (const std::string& pfad : {ordner.Pfad("fehlt/a.txt"), ordner.Pfad("datei/a.txt"), ordner.Pfad("ordner.txt"),
                                  ordner.Pfad("rohr.txt")})
    EXPECT_EQ(FehlerVon([&] { SchreibeZeilen(pfad, AlsBauer({"x"})); }),
              "Datei " + pfad + " kann nicht erstellt werden");
  EXPECT_EQ(LiesBytes(ordner.Pfad("datei")), Bytes("alt"));
  EXPECT_EQ(ordner.Eintraege(), (Namen{"datei", "ordner.txt", "rohr.txt"}));
  struct stat rohr {};
  EXPECT_TRUE(lstat(ordner.Pfad("rohr.txt").c_str(), &rohr) == 0 && S_ISFIFO(rohr.st_mode));
  EXPECT_TRUE(ordner.Eintraege("ordner.txt").empty());
}

TEST(UZeilendatei, OrdnerOhneSchreibrecht) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write in every folder";
  TTempOrdner ordner;
  mkdir(ordner.Pfad("zu").c_str(), 0555);
  const std::string pfad = ordner.Pfad("zu/a.txt");
  EXPECT_EQ(FehlerVon([&] { SchreibeZeilen(pfad, AlsBauer({"x"})); }),
            "Datei " + pfad + " kann nicht erstellt werden");
  EXPECT_TRUE(ordner.Eintraege("zu").empty());
}

TEST(UZeilendatei, SchreibfehlerLaesstAlteDateiStehen) {
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("alt.txt");
  SchreibBytes(pfad, Bytes("alter Inhalt"));
  const std::vector<std::string> zeilen(3, std::string(2000, 'x'));
  {
    TDateiGroessenGrenze grenze(4096);
    EXPECT_EQ(FehlerVon([&] { SchreibeZeilen(pfad, AlsBauer(zeilen)); }), "Stream-Write-Fehler");
    EXPECT_EQ(FehlerVon([&] { SchreibeZeilen(ordner.Pfad("neu.txt"), AlsBauer(zeilen)); }),
              "Stream-Write-Fehler");
  }
  EXPECT_EQ(LiesBytes(pfad), Bytes("alter Inhalt"));
  EXPECT_EQ(ordner.Eintraege(), Namen{"alt.txt"});
}

// A file with a second name is written in place: a failure there keeps the
// report's own text inside the note of where the previous version lies.
TEST(UZeilendatei, SchreibfehlerAmOrtNenntDieKopie) {
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("alt.txt"), zustand = ordner.Pfad("zustand");
  setenv("XDG_STATE_HOME", zustand.c_str(), 1);
  SchreibBytes(pfad, Bytes("alter Inhalt"));
  ASSERT_EQ(link(pfad.c_str(), ordner.Pfad("zweiter.txt").c_str()), 0);
  const std::vector<std::string> zeilen(3, std::string(2000, 'x'));
  std::string fehler;
  {
    TDateiGroessenGrenze grenze(4096);
    fehler = FehlerVon([&] { SchreibeZeilen(pfad, AlsBauer(zeilen)); });
  }
  unsetenv("XDG_STATE_HOME");
  const Namen kopien = ordner.Eintraege("zustand/scheibwart");
  ASSERT_EQ(kopien.size(), 2u) << fehler;
  EXPECT_EQ(fehler, "Die Datei \u00BB" + pfad + "\u00AB ist unvollst\u00E4ndig (Stream-Write-Fehler).\n"
                    "Die vorherige Fassung liegt in \u00BB" + zustand + "/scheibwart/" + kopien[0] + "\u00AB");
  EXPECT_EQ(LiesBytes(zustand + "/scheibwart/" + kopien[0]), Bytes("alter Inhalt"));
}

}  // namespace
