// Telling a file's later changes from the stand the program remembered, and
// whether a name still names the remembered file.

#include "platform/Dateistand.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Another program saving the way atomic writers do: a new file renamed over.
void ErsetzeDurchUmbenennen(const std::string& pfad, const std::string& inhalt) {
  SchreibBytes(pfad + ".neu", Bytes(inhalt));
  ASSERT_EQ(std::rename((pfad + ".neu").c_str(), pfad.c_str()), 0);
}

// Kernels with coarse timestamps give changes within one clock tick the same
// time; a change is made only once the tick is over.
void NaechsterZeittakt() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

struct TAenderung {
  const char* Name;
  std::function<void(const std::string&)> Aendere;
  bool Gleich, GleicheDatei;
};

}  // namespace

TEST(Dateistand, JedeAenderungWirdBemerkt) {
  const TAenderung faelle[] = {
      {"unveraendert", [](const std::string&) {}, true, true},
      {"gelesen", [](const std::string& p) { LiesBytes(p); }, true, true},
      {"gleich lang neu geschrieben", [](const std::string& p) { SchreibBytes(p, Bytes("12345")); }, false, true},
      {"durch Umbenennen ersetzt", [](const std::string& p) { ErsetzeDurchUmbenennen(p, "abcde"); }, false, false},
      {"nur die Zeit gesetzt",
       [](const std::string& p) {
         struct stat st {};
         ASSERT_EQ(stat(p.c_str(), &st), 0);
         st.st_mtim.tv_nsec = (st.st_mtim.tv_nsec + 1) % 1000000000;
         const timespec zeiten[2] = {st.st_atim, st.st_mtim};
         ASSERT_EQ(utimensat(AT_FDCWD, p.c_str(), zeiten, 0), 0);
       },
       false, true},
      {"Rechte geaendert", [](const std::string& p) { ASSERT_EQ(chmod(p.c_str(), 0600), 0); }, false, true},
  };
  for (const TAenderung& fall : faelle) {
    SCOPED_TRACE(fall.Name);
    const TTempOrdner ordner;
    const std::string pfad = ordner.Pfad("Sammlung.swl");
    SchreibBytes(pfad, Bytes("abcde"));
    ASSERT_EQ(chmod(pfad.c_str(), 0644), 0);
    const int fd = open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const std::optional<TDateistand> geladen = TDateistand::Von(fd);
    close(fd);
    ASSERT_TRUE(geladen);

    NaechsterZeittakt();
    fall.Aendere(pfad);
    const std::optional<TDateistand> jetzt = TDateistand::VonPfad(pfad);
    ASSERT_TRUE(jetzt);
    EXPECT_EQ(*jetzt == *geladen, fall.Gleich);
    EXPECT_EQ(jetzt->GleicheDatei(*geladen), fall.GleicheDatei);
  }
  EXPECT_FALSE(TDateistand::VonPfad("/tmp/scheibwart-gibt-es-nicht/x.swl"));
}

// The remembered file is unter/Sammlung.swl, reached also through the folder
// link Umweg and the file link Verweis.swl; Andere.swl is another file.
struct TFremd {
  const char* Name;
  std::function<void(const TTempOrdner&)> Aendere;
  const char* Gespeichert;
  bool Fremdgeaendert;
};

TEST(GemerkteDatei, FragtNurBeiFremdGeaenderterGemerkterDatei) {
  const auto ersetze = [](const TTempOrdner& o) { ErsetzeDurchUmbenennen(o.Pfad("unter/Sammlung.swl"), "fremd"); };
  const TFremd faelle[] = {
      {"unveraendert", [](const TTempOrdner&) {}, "unter/Sammlung.swl", false},
      {"andere Schreibweise, unveraendert", [](const TTempOrdner&) {}, "Umweg/../unter/./Sammlung.swl", false},
      {"ersetzt", ersetze, "unter/Sammlung.swl", true},
      {"ersetzt, andere Schreibweise", ersetze, "unter//./Sammlung.swl", true},
      {"ersetzt, ueber den Ordnerverweis", ersetze, "Umweg/Sammlung.swl", true},
      {"ersetzt, ueber den Dateiverweis", ersetze, "Verweis.swl", true},
      {"an der Stelle neu geschrieben", [](const TTempOrdner& o) { SchreibBytes(o.Pfad("unter/Sammlung.swl"), Bytes("fremd")); },
       "unter/Sammlung.swl", true},
      {"ein Verweis an ihrer Stelle",
       [](const TTempOrdner& o) {
         ASSERT_EQ(unlink(o.Pfad("unter/Sammlung.swl").c_str()), 0);
         ASSERT_EQ(symlink("../Andere.swl", o.Pfad("unter/Sammlung.swl").c_str()), 0);
       },
       "unter/Sammlung.swl", true},
      {"eine andere Datei", ersetze, "Andere.swl", false},
      {"geloescht", [](const TTempOrdner& o) { ASSERT_EQ(unlink(o.Pfad("unter/Sammlung.swl").c_str()), 0); },
       "unter/Sammlung.swl", false},
  };
  for (const TFremd& fall : faelle) {
    SCOPED_TRACE(fall.Name);
    const TTempOrdner ordner;
    ASSERT_EQ(mkdir(ordner.Pfad("unter").c_str(), 0700), 0);
    ASSERT_EQ(symlink("unter", ordner.Pfad("Umweg").c_str()), 0);
    ASSERT_EQ(symlink("unter/Sammlung.swl", ordner.Pfad("Verweis.swl").c_str()), 0);
    SchreibBytes(ordner.Pfad("unter/Sammlung.swl"), Bytes("eigen"));
    SchreibBytes(ordner.Pfad("Andere.swl"), Bytes("andere"));
    TGemerkteDatei gemerkt;
    gemerkt.Merke(ordner.Pfad("unter/Sammlung.swl"), *TDateistand::VonPfad(ordner.Pfad("unter/Sammlung.swl")));

    NaechsterZeittakt();
    fall.Aendere(ordner);
    EXPECT_EQ(gemerkt.FremdGeaendert(ordner.Pfad(fall.Gespeichert)), fall.Fremdgeaendert);
    gemerkt.Vergiss();
    EXPECT_FALSE(gemerkt.FremdGeaendert(ordner.Pfad(fall.Gespeichert)));
  }
}
