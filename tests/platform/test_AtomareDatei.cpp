// Replacing a file in one step: what is left on disk after success and after
// every kind of failure.

#include "platform/AtomareDatei.h"
#include "platform/TempOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

// From here on, opening an unnamed file fails as on a file system that has
// none. For a child process: it cannot be undone.
bool OhneUnbenannteDateien() {
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
      BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_TMPFILE & ~O_DIRECTORY, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  const sock_fprog programm{static_cast<unsigned short>(std::size(filter)), filter};
  return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &programm) == 0;
}

// A child process that saves "neu" to pfad, then starts another save of pfad
// and waits, with part of that content on disk, until it is killed.
// ohneUnbenannt: as on a file system without unnamed files.
class TSpeicherndesKind {
public:
  TSpeicherndesKind(const std::string& pfad, bool ohneUnbenannt) {
    int rohr[2];
    EXPECT_EQ(pipe(rohr), 0);
    Pid = fork();
    if (Pid == 0) {
      close(rohr[0]);
      if (ohneUnbenannt && !OhneUnbenannteDateien()) _exit(1);
      SchreibeDateiAtomar(pfad, Bytes("neu"));
      TAtomareDatei datei(pfad);
      const std::vector<std::uint8_t> teil(1 << 20, 'n');  // more than the buffer holds
      datei.Schreibe(teil.data(), teil.size());
      if (write(rohr[1], "m", 1) != 1) _exit(1);
      for (;;) pause();
    }
    close(rohr[1]);
    char mittendrin = 0;
    EXPECT_EQ(read(rohr[0], &mittendrin, 1), 1) << "Speichern im Kindprozess gescheitert";
    close(rohr[0]);
  }
  ~TSpeicherndesKind() {
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
  }
  TSpeicherndesKind(const TSpeicherndesKind&) = delete;
  TSpeicherndesKind& operator=(const TSpeicherndesKind&) = delete;

private:
  pid_t Pid = -1;
};

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

// A save killed midway leaves the old file and nothing else. Where the file
// system has no unnamed files, the temporary file of a killed save stays until
// the next save into the folder removes it; that of a running save stays.
TEST(AtomareDatei, AbgebrochenesSpeichernHinterlaesstNichts) {
  for (const bool ohneUnbenannt : {false, true}) {
    TTempOrdner ordner;
    const std::string pfad = ordner.Pfad("a.swl");
    SchreibBytes(pfad, Bytes("alt"));
    chmod(pfad.c_str(), 0604);
    const std::size_t mitTemp = ohneUnbenannt ? 3 : 2;
    {
      TSpeicherndesKind kind(pfad, ohneUnbenannt);
      SchreibeDateiAtomar(ordner.Pfad("b.swl"), Bytes("b"));
      EXPECT_EQ(ordner.Eintraege().size(), mitTemp) << ohneUnbenannt;
    }
    EXPECT_EQ(LiesBytes(pfad), Bytes("neu"));
    EXPECT_EQ(Rechte(pfad), 0604u);
    EXPECT_EQ(ordner.Eintraege().size(), mitTemp) << ohneUnbenannt;
    SchreibeDateiAtomar(ordner.Pfad("b.swl"), Bytes("b"));
    EXPECT_EQ(ordner.Eintraege(), (Namen{"a.swl", "b.swl"}));
  }
}
