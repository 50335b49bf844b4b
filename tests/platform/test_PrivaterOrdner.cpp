// A private folder is locked while it is used and goes with its object; only
// folders of this user's with the prefix that nobody holds locked are taken
// away by the next one.

#include "platform/PrivaterOrdner.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

// Whether someone holds the lock of the folder pfad.
bool Gesperrt(const std::string& pfad) {
  const int fd = open(pfad.c_str(), O_RDONLY | O_DIRECTORY);
  const bool gesperrt = flock(fd, LOCK_EX | LOCK_NB) != 0;
  close(fd);
  return gesperrt;
}

}  // namespace

TEST(PrivaterOrdner, GesperrtUndNurVerlasseneGehen) {
  TTempOrdner ober;
  auto ordner = [&](const std::string& name) {
    mkdir(ober.Pfad(name).c_str(), 0700);
    SchreibBytes(ober.Pfad(name + "/inhalt"), Bytes("x"));
  };
  ordner("p-verlassen");
  ordner("p-benutzt");
  const int sperre = open(ober.Pfad("p-benutzt").c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(sperre, LOCK_EX), 0);
  ordner("ziel");
  symlink(ober.Pfad("ziel").c_str(), ober.Pfad("p-verweis").c_str());
  SchreibBytes(ober.Pfad("p-datei"), Bytes("x"));
  ordner("anders");
  Namen bleiben{"anders", "p-benutzt", "p-datei", "p-verweis", "ziel"};
  if (geteuid() == 0) {
    ordner("p-fremd");
    chown(ober.Pfad("p-fremd").c_str(), 12345, 12345);
    bleiben.insert(bleiben.begin() + 3, "p-fremd");
  }
  {
    const TPrivaterOrdner neu(ober.Pfad(), "p-");
    EXPECT_TRUE(Gesperrt(neu.Pfad()));
    const std::string name = neu.Pfad().substr(ober.Pfad().size() + 1);
    EXPECT_EQ(name.rfind("p-", 0), 0u) << name;
    EXPECT_EQ(name.size(), 8u) << name;
    SchreibBytes(neu.Pfad() + "/inhalt", Bytes("x"));
    EXPECT_NE(ober.Eintraege(), bleiben);
  }
  EXPECT_EQ(ober.Eintraege(), bleiben);
  EXPECT_EQ(ober.Eintraege("ziel"), Namen{"inhalt"});
  close(sperre);

  // A folder that cannot be made in: the text of the failure.
  EXPECT_EQ(FehlerVon([&] { TPrivaterOrdner(ober.Pfad("fehlt"), "p-"); }), "Datei nicht gefunden");
}
