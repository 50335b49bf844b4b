// A save that writes in place keeps the previous content in the state folder;
// a killed one leaves it there to be restored or dropped, and nothing of a
// running save is offered.

#include "platform/AtomareDatei.h"
#include "platform/Vorfassung.h"
#include "support/AngehaltenesKind.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

// A child process that writes pfad in place (it has a second name) and is
// killed with part of the new content in the file.
void GetoetetesSpeichern(const std::string& pfad, std::size_t bytes) {
  const std::size_t vorher = VerbliebeneFassungen().size();
  const TAngehaltenesKind kind([&](const std::function<void()>& halt) {
    TAtomareDatei datei(pfad, TPufferung::Nebenher);
    const std::vector<std::uint8_t> neu(bytes, 'n');
    datei.Schreibe(neu.data(), neu.size());
    datei.Platz(neu.size());  // what is buffered goes to the file first
    halt();
  });
  // A running save's copy is not offered.
  EXPECT_EQ(VerbliebeneFassungen().size(), vorher);
}

TEST(Vorfassung, GetoetetesSpeichernWirdZurueckgenommen) {
  TTempOrdner ordner;
  const TZustandHier zustand(ordner);
  // Looking for copies makes no state folder.
  EXPECT_TRUE(VerbliebeneFassungen().empty());
  EXPECT_NE(access(zustand.Ordner().c_str(), F_OK), 0);
  const std::string pfad = ordner.Pfad("a.swl"), zweiter = ordner.Pfad("b.swl");
  std::vector<std::uint8_t> alt(5 << 20);
  for (std::size_t i = 0; i < alt.size(); ++i) alt[i] = static_cast<std::uint8_t>(i * 7 + i / 4099);
  SchreibBytes(pfad, alt);
  ASSERT_EQ(link(pfad.c_str(), zweiter.c_str()), 0);
  const std::time_t vorher = std::time(nullptr);
  GetoetetesSpeichern(pfad, 3 << 20);
  EXPECT_NE(LiesBytes(pfad), alt);

  const std::vector<TVerbliebeneFassung> fassungen = VerbliebeneFassungen();
  ASSERT_EQ(fassungen.size(), 1u);
  EXPECT_EQ(fassungen[0].Datei, pfad);
  EXPECT_GE(fassungen[0].Zeit, vorher);
  EXPECT_LE(fassungen[0].Zeit, std::time(nullptr));
  EXPECT_EQ(LiesBytes(fassungen[0].Kopie), alt);

  StelleWiederHer(fassungen[0]);
  EXPECT_EQ(LiesBytes(pfad), alt);
  EXPECT_EQ(LiesBytes(zweiter), alt);
  EXPECT_EQ(ordner.Eintraege("zustand/scheibwart"), Namen{});

  // A shorter previous content is restored as long as it was.
  SchreibBytes(pfad, Bytes("kurz"));
  GetoetetesSpeichern(pfad, 3 << 20);
  ASSERT_EQ(VerbliebeneFassungen().size(), 1u);
  StelleWiederHer(VerbliebeneFassungen()[0]);
  EXPECT_EQ(LiesBytes(zweiter), Bytes("kurz"));

  // A save of the file that succeeds later drops the copies of the ones
  // before: they would only offer an older content back.
  GetoetetesSpeichern(pfad, 3 << 20);
  SchreibBytes(ordner.Pfad("anderer.swl"), Bytes("anders"));
  ASSERT_EQ(link(ordner.Pfad("anderer.swl").c_str(), ordner.Pfad("anderer-zweiter.swl").c_str()), 0);
  GetoetetesSpeichern(ordner.Pfad("anderer.swl"), 3 << 20);
  ASSERT_EQ(VerbliebeneFassungen().size(), 2u);
  SchreibeDateiAtomar(pfad, Bytes("neu"));
  ASSERT_EQ(VerbliebeneFassungen().size(), 1u);
  EXPECT_EQ(VerbliebeneFassungen()[0].Datei, ordner.Pfad("anderer.swl"));
}

// A restore that cannot write the file says why and keeps the copy; dropping
// it removes it. A copy left without the name of its file is removed.
TEST(Vorfassung, WiederherstellenOhneVerlust) {
  TTempOrdner ordner;
  const TZustandHier zustand(ordner);
  SchreibBytes(ordner.Pfad("echt.swl"), Bytes("x"));
  mkfifo(ordner.Pfad("rohr").c_str(), 0600);
  symlink("echt.swl", ordner.Pfad("link.swl").c_str());
  struct TFall {
    const char* Name;
    const char* Fehler;
  };
  const TFall faelle[] = {{"fehlt.swl", "Datei nicht gefunden"},
                          {"rohr", "Dateizugriff verweigert"},
                          {"link.swl", "Dateizugriff verweigert"}};
  for (const TFall& fall : faelle) {
    // As a killed save leaves them: the copy, then the note of its file.
    const std::string kopie = zustand.Ordner() + "/Fassung-1-0";
    mkdir(ordner.Pfad("zustand").c_str(), 0700);
    mkdir(zustand.Ordner().c_str(), 0700);
    SchreibBytes(kopie, Bytes("alt"));
    SchreibBytes(kopie + ".ort", Bytes(ordner.Pfad(fall.Name)));
    const std::vector<TVerbliebeneFassung> fassungen = VerbliebeneFassungen();
    ASSERT_EQ(fassungen.size(), 1u);
    EXPECT_EQ(FehlerVon([&] { StelleWiederHer(fassungen[0]); }), fall.Fehler) << fall.Name;
    EXPECT_EQ(ordner.Eintraege("zustand/scheibwart"), (Namen{"Fassung-1-0", "Fassung-1-0.ort"}));
    VerwirfFassung(fassungen[0]);
    EXPECT_EQ(ordner.Eintraege("zustand/scheibwart"), Namen{});
  }
  EXPECT_EQ(LiesBytes(ordner.Pfad("echt.swl")), Bytes("x"));

  SchreibBytes(zustand.Ordner() + "/Fassung-1-0", Bytes("halb"));
  EXPECT_TRUE(VerbliebeneFassungen().empty());
  EXPECT_EQ(ordner.Eintraege("zustand/scheibwart"), Namen{});
}

}  // namespace
