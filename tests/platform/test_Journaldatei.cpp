// The journal file: a running program's journal is never offered, a dead
// one's is read up to its last whole block, taken over from there, and an
// end signal leaves it synced.

#include "platform/Journaldatei.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using TBytes = std::vector<std::uint8_t>;

const TBytes Kopf = {'K', 0, 1};
const std::vector<TBytes> Bloecke = {{1, 2, 3}, TBytes(70000, 0xAB), {0}};

void HaengeAn(const std::string& pfad, const TBytes& bytes) {
  const int fd = open(pfad.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  close(fd);
}

TEST(Journaldatei, NurDasJournalEinesBeendetenWirdAngeboten) {
  TTempOrdner ordner;
  const TZustandHier zustand(ordner);
  // Looking makes no state folder.
  EXPECT_TRUE(VerbliebeneJournale().empty());
  EXPECT_NE(access(zustand.Ordner().c_str(), F_OK), 0);

  std::string pfad;
  {
    TJournaldatei journal(Kopf);
    pfad = journal.Pfad();
    for (const TBytes& block : Bloecke) journal.Haenge(block);
    EXPECT_TRUE(VerbliebeneJournale().empty()) << "gehalten von einem laufenden Programm";
    struct stat st {};
    ASSERT_EQ(stat(zustand.Ordner().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(stat(pfad.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
  }
  std::vector<TVerbliebenesJournal> journale = VerbliebeneJournale();
  ASSERT_EQ(journale.size(), 1u);
  EXPECT_EQ(journale[0].Pfad, pfad);
  EXPECT_EQ(journale[0].Kopf, Kopf);
  EXPECT_EQ(journale[0].Bloecke, Bloecke);

  // Removed by the program that saved or dropped the changes: nothing is left.
  TJournaldatei(pfad, journale[0].GueltigeLaenge).Entferne();
  EXPECT_TRUE(VerbliebeneJournale().empty());
  EXPECT_TRUE(ordner.Eintraege("zustand/scheibwart").empty());
}

// A torn last block (a power loss while it was written) ends the journal;
// taking it over drops the torn bytes, so new blocks follow the whole ones.
TEST(Journaldatei, ZerrissenerSchlussWirdAbgeschnitten) {
  const std::vector<std::pair<const char*, TBytes>> schluesse = {
      {"Rahmen halb", {5, 0}},
      {"Länge über das Ende", {9, 0, 0, 0, 1, 2, 3, 4, 1}},
      {"Prüfsumme falsch", {1, 0, 0, 0, 0, 0, 0, 0, 7}},
      {"Nullen", TBytes(4096, 0)},
  };
  for (const auto& [name, schluss] : schluesse) {
    SCOPED_TRACE(name);
    TTempOrdner ordner;
    const TZustandHier zustand(ordner);
    std::string pfad;
    {
      TJournaldatei journal(Kopf);
      pfad = journal.Pfad();
      for (const TBytes& block : Bloecke) journal.Haenge(block);
    }
    HaengeAn(pfad, schluss);
    std::vector<TVerbliebenesJournal> journale = VerbliebeneJournale();
    ASSERT_EQ(journale.size(), 1u);
    EXPECT_EQ(journale[0].Bloecke, Bloecke);
    { TJournaldatei(pfad, journale[0].GueltigeLaenge).Haenge({{9, 9}}); }
    journale = VerbliebeneJournale();
    ASSERT_EQ(journale.size(), 1u);
    std::vector<TBytes> erwartet = Bloecke;
    erwartet.push_back({9, 9});
    EXPECT_EQ(journale[0].Bloecke, erwartet);
  }
}

// Only whole journals of this user's count: one without its header goes, a
// link or a folder of the name stays as it is and is not offered.
TEST(Journaldatei, FremdesUndUnfertiges) {
  TTempOrdner ordner;
  const TZustandHier zustand(ordner);
  { TJournaldatei journal(Kopf); }
  const std::string dort = zustand.Ordner();
  close(open((dort + "/Journal-1-0").c_str(), O_CREAT | O_WRONLY, 0600));
  HaengeAn(dort + "/Journal-1-0", {3, 0, 0, 0});
  const std::string ziel = ordner.Pfad("ziel");
  close(open(ziel.c_str(), O_CREAT | O_WRONLY, 0600));
  ASSERT_EQ(symlink(ziel.c_str(), (dort + "/Journal-2-0").c_str()), 0);
  ASSERT_EQ(mkdir((dort + "/Journal-3-0").c_str(), 0700), 0);

  EXPECT_EQ(VerbliebeneJournale().size(), 1u);
  const std::vector<std::string> namen = ordner.Eintraege("zustand/scheibwart");
  EXPECT_EQ(std::count(namen.begin(), namen.end(), "Journal-1-0"), 0);
  EXPECT_EQ(std::count(namen.begin(), namen.end(), "Journal-2-0"), 1);
  EXPECT_EQ(std::count(namen.begin(), namen.end(), "Journal-3-0"), 1);
}

// SIGTERM, SIGHUP and SIGINT end the program at once and leave its journal.
TEST(Journaldatei, EndesignalLaesstDasJournal) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    TTempOrdner ordner;
    const TZustandHier zustand(ordner);
    const pid_t kind = fork();
    if (kind == 0) {
      SichereJournalBeiEndesignal();
      TJournaldatei journal(Kopf);
      journal.Haenge(Bloecke[0]);
      raise(signal);
      _exit(0);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    const std::vector<TVerbliebenesJournal> journale = VerbliebeneJournale();
    ASSERT_EQ(journale.size(), 1u);
    EXPECT_EQ(journale[0].Bloecke, std::vector<TBytes>{Bloecke[0]});
  }
}

}  // namespace
