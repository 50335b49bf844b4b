// What killed programs left behind goes; what running programs keep, what is
// not a file of the program's own, and what belongs to others stays.

#include "support/TempOrdner.h"
#include "platform/Verwaist.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(Verwaist, NurDateienBeendeterProgramme) {
  const pid_t kind = fork();
  if (kind == 0) _exit(0);
  ASSERT_EQ(waitpid(kind, nullptr, 0), kind);
  const std::string beendet = ".scheibwart-" + std::to_string(kind) + "-";
  const std::string eigenes = EigenerAnfang(".scheibwart-") + "a";
  const bool root = geteuid() == 0;

  TTempOrdner ordner;
  const auto pfad = [&](const std::string& name) { return ordner.Pfad(name); };
  // Left by a killed save: it goes.
  SchreibBytes(pfad(beendet + "datei"), Bytes("x"));
  // Someone else's folder, renamed to the pattern: it stays with all it holds.
  mkdir(pfad(beendet + "Fotos").c_str(), 0700);
  SchreibBytes(pfad(beendet + "Fotos/bild.jpg"), Bytes("x"));
  // A save still running, as seen from another PID namespace: its lock keeps it.
  SchreibBytes(pfad(beendet + "gesperrt"), Bytes("x"));
  const int sperre = open(pfad(beendet + "gesperrt").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(sperre, LOCK_EX), 0);
  // Not regular files: a link (to a file that would go), a pipe, a socket.
  SchreibBytes(pfad("ziel"), Bytes("x"));
  symlink("ziel", pfad(beendet + "link").c_str());
  mkfifo(pfad(beendet + "rohr").c_str(), 0600);
  const int steckdose = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un adresse{};
  adresse.sun_family = AF_UNIX;
  const std::string sockel = pfad(beendet + "sockel");
  ASSERT_LT(sockel.size(), sizeof adresse.sun_path);
  sockel.copy(adresse.sun_path, sockel.size());
  ASSERT_EQ(bind(steckdose, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
  // Another user's file.
  SchreibBytes(pfad(beendet + "fremd"), Bytes("x"));
  if (root) {
    ASSERT_EQ(chown(pfad(beendet + "fremd").c_str(), 4321, 4321), 0);
  }
  // This program's own, and names without a process id.
  for (const std::string& name : {eigenes, std::string(".scheibwart-abc"), std::string("scheibwart-") + std::to_string(kind) + "-b"})
    SchreibBytes(pfad(name), Bytes("x"));

  EntferneVerwaiste(ordner.Pfad(), ".scheibwart-");
  std::vector<std::string> bleibt{beendet + "Fotos", beendet + "gesperrt", beendet + "link", beendet + "rohr",
                                  beendet + "sockel", eigenes, ".scheibwart-abc",
                                  std::string("scheibwart-") + std::to_string(kind) + "-b", "ziel"};
  if (root) bleibt.push_back(beendet + "fremd");
  std::sort(bleibt.begin(), bleibt.end());
  EXPECT_EQ(ordner.Eintraege(), bleibt);
  EXPECT_EQ(ordner.Eintraege(beendet + "Fotos"), std::vector<std::string>{"bild.jpg"});

  // Once the save has ended, its file goes too.
  close(sperre);
  EntferneVerwaiste(ordner.Pfad(), ".scheibwart-");
  const std::vector<std::string> danach = ordner.Eintraege();
  EXPECT_EQ(std::count(danach.begin(), danach.end(), beendet + "gesperrt"), 0);
  close(steckdose);
}
