// Replacing a file in one step: what is left on disk after success and after
// every kind of failure.

#include "platform/AtomareDatei.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

// A system call that from here on fails with Errnum, instead of running;
// with Bits, only where its third argument has one of them set.
struct TVerbot {
  unsigned Nr;
  int Errnum;
  unsigned Bits = 0;
};

// For a child process: it cannot be undone.
bool LassScheitern(std::initializer_list<TVerbot> verbote) {
  std::vector<sock_filter> filter{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
  for (const TVerbot& verbot : verbote) {
    const sock_filter antwort = BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<unsigned>(verbot.Errnum));
    if (verbot.Bits == 0) {
      filter.insert(filter.end(), {BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, verbot.Nr, 0, 1), antwort});
      continue;
    }
    filter.insert(filter.end(), {BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, verbot.Nr, 0, 4),
                                 BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
                                 BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, verbot.Bits, 0, 1), antwort,
                                 BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))});
  }
  filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
  const sock_fprog programm{static_cast<unsigned short>(filter.size()), filter.data()};
  return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &programm) == 0;
}

// As on a file system that has no unnamed files.
bool OhneUnbenannteDateien() { return LassScheitern({{__NR_openat, EOPNOTSUPP, O_TMPFILE & ~O_DIRECTORY}}); }

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
      TAtomareDatei datei(pfad, TPufferung::Nebenher);
      const std::vector<std::uint8_t> teil(3 << 20, 'n');  // more than the buffers hold
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

// Runs f in a child process as the user uid with the group gid and the
// further groups, when the test runs as root, and returns the text f returns.
std::string Als(uid_t uid, gid_t gid, std::vector<gid_t> gruppen, const std::function<std::string()>& f) {
  int rohr[2];
  EXPECT_EQ(pipe(rohr), 0);
  const pid_t kind = fork();
  if (kind == 0) {
    close(rohr[0]);
    if (geteuid() == 0 && (setgroups(gruppen.size(), gruppen.data()) != 0 || setgid(gid) != 0 || setuid(uid) != 0))
      _exit(1);
    const std::string text = f();
    _exit(write(rohr[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
  }
  close(rohr[1]);
  std::string text;
  char puffer[256];
  for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;) text.append(puffer, static_cast<std::size_t>(n));
  close(rohr[0]);
  waitpid(kind, nullptr, 0);
  return text;
}

// f without special rights (as nobody).
std::string OhneVorrechte(const std::function<std::string()>& f) { return Als(65534, 65534, {}, f); }

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

// In a sticky folder that everyone may write, a link is followed only where
// the kernel's own rule for such folders follows it: when it belongs to the
// user or to the folder's owner. Otherwise nothing changes, at the link's
// end or beside it.
TEST(AtomareDatei, FremdeLinksImGemeinsamenOrdner) {
  if (geteuid() != 0) GTEST_SKIP() << "planting another user's link needs root";
  struct TFall {
    const char* Fall;
    mode_t Ordnerrechte;
    uid_t Ordnerbesitzer, Linkbesitzer;
    bool Gefolgt;
  };
  const TFall faelle[] = {
      {"fremder Link", 01777, 0, 4321, false},
      {"eigener Link", 01777, 0, 0, true},
      {"Link des Ordnerbesitzers", 01777, 4321, 4321, true},
      {"ohne Sticky-Bit", 0777, 0, 4321, true},
      {"nur fuer den Besitzer", 01755, 0, 4321, true},
  };
  for (const TFall& fall : faelle) {
    for (const bool vorhanden : {true, false}) {
      SCOPED_TRACE(std::string(fall.Fall) + (vorhanden ? ", Ziel da" : ", Ziel fehlt"));
      TTempOrdner ordner;
      const std::string gemeinsam = ordner.Pfad("S"), ziel = ordner.Pfad("x");
      mkdir(gemeinsam.c_str(), 0700);
      ASSERT_EQ(chown(gemeinsam.c_str(), fall.Ordnerbesitzer, 0), 0);
      ASSERT_EQ(chmod(gemeinsam.c_str(), fall.Ordnerrechte), 0);
      if (vorhanden) SchreibBytes(ziel, Bytes("geheim"));
      ASSERT_EQ(symlink(ziel.c_str(), (gemeinsam + "/Ziel.html").c_str()), 0);
      ASSERT_EQ(lchown((gemeinsam + "/Ziel.html").c_str(), fall.Linkbesitzer, 0), 0);
      // A link of the user's own that leads through the planted one changes nothing.
      ASSERT_EQ(symlink("S/Ziel.html", ordner.Pfad("kette").c_str()), 0);

      for (const std::string& pfad : {gemeinsam + "/Ziel.html", ordner.Pfad("kette")}) {
        const std::string fehler = FehlerVon([&] { SchreibeDateiAtomar(pfad, Bytes("neu")); });
        EXPECT_EQ(fehler, fall.Gefolgt ? "(kein Fehler)" : "Dateizugriff verweigert") << pfad;
        EXPECT_TRUE(IstLink(gemeinsam + "/Ziel.html"));
        EXPECT_EQ(ordner.Eintraege("S"), Namen{"Ziel.html"});
        if (fall.Gefolgt || vorhanden) {
          EXPECT_EQ(LiesBytes(ziel), Bytes(fall.Gefolgt ? "neu" : "geheim"));
        }
      }
      EXPECT_EQ(ordner.Eintraege(), (fall.Gefolgt || vorhanden ? Namen{"S", "kette", "x"} : Namen{"S", "kette"}));
    }
  }
}

// What is not a regular file is not replaced by one: a pipe, a socket, a
// folder, reached directly or through a link. Nothing that could block is
// opened.
TEST(AtomareDatei, NurGewoehnlicheDateienWerdenErsetzt) {
  TTempOrdner ordner;
  mkfifo(ordner.Pfad("rohr").c_str(), 0600);
  mkdir(ordner.Pfad("ordner").c_str(), 0700);
  const int steckdose = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un adresse{};
  adresse.sun_family = AF_UNIX;
  ordner.Pfad("sockel").copy(adresse.sun_path, sizeof adresse.sun_path - 1);
  ASSERT_EQ(bind(steckdose, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
  symlink("rohr", ordner.Pfad("zum-rohr").c_str());
  const Namen vorher = ordner.Eintraege();
  for (const char* name : {"rohr", "sockel", "ordner", "zum-rohr"}) {
    EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(ordner.Pfad(name), Bytes("neu")); }), "Dateizugriff verweigert")
        << name;
  }
  struct stat st {};
  EXPECT_TRUE(lstat(ordner.Pfad("rohr").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
  EXPECT_TRUE(lstat(ordner.Pfad("sockel").c_str(), &st) == 0 && S_ISSOCK(st.st_mode));
  EXPECT_TRUE(IstLink(ordner.Pfad("zum-rohr")));
  EXPECT_EQ(ordner.Eintraege(), vorher);
  close(steckdose);
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

  // A real write failure, midway through the data; in a long file it
  // happens beside the program, while the next part is being made.
  const std::vector<std::uint8_t> gross(3 * 3072, 0x41);
  const std::vector<std::uint8_t> lang = [] {
    std::vector<std::uint8_t> bytes(5 << 20);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 4099);
    return bytes;
  }();
  const auto nebenher = [](const std::string& ziel, const std::vector<std::uint8_t>& bytes) {
    TAtomareDatei datei(ziel, TPufferung::Nebenher);
    datei.Schreibe(bytes.data(), bytes.size());
    EXPECT_EQ(datei.Fertig(), std::nullopt);
  };
  {
    TDateiGroessenGrenze grenze(4096);
    for (const auto* inhalt : {&gross, &lang}) {
      EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(pfad, *inhalt); }), "E/A-Fehler 27");
      EXPECT_EQ(FehlerVon([&] { SchreibeDateiAtomar(ordner.Pfad("neu.swl"), *inhalt); }),
                "E/A-Fehler 27");
      EXPECT_EQ(FehlerVon([&] { nebenher(pfad, *inhalt); }), "E/A-Fehler 27");
    }
  }
  EXPECT_EQ(LiesBytes(pfad), Bytes("alter Inhalt"));
  EXPECT_EQ(ordner.Eintraege(), (Namen{"alt.swl", "ordner.swl"}));
  EXPECT_TRUE(ordner.Eintraege("ordner.swl").empty());

  // With the limit gone the same writes work.
  SchreibeDateiAtomar(pfad, gross);
  EXPECT_EQ(LiesBytes(pfad), gross);
  SchreibeDateiAtomar(pfad, lang);
  EXPECT_EQ(LiesBytes(pfad), lang);
  nebenher(ordner.Pfad("neu.swl"), lang);
  EXPECT_EQ(LiesBytes(ordner.Pfad("neu.swl")), lang);
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

// A file that may be written, in a folder that takes no new file, is written
// in place behind a copy of its previous content in the state folder: it
// keeps its owner and permissions; a failure says where the copy lies, and
// one that prevents the copy leaves the file untouched.
TEST(AtomareDatei, DateiImGeschuetztenOrdner) {
  TTempOrdner ordner;
  const std::string geschuetzt = ordner.Pfad("geschuetzt"), zustand = ordner.Pfad("zustand");
  const std::string datei = geschuetzt + "/a.swl", nurLesen = geschuetzt + "/b.swl";
  const std::string alt = "alter, langer Inhalt";
  mkdir(geschuetzt.c_str(), 0755);
  mkdir(zustand.c_str(), 0700);
  SchreibBytes(datei, Bytes(alt));
  SchreibBytes(nurLesen, Bytes("alt"));
  chmod(datei.c_str(), 0606);
  chmod(nurLesen.c_str(), 0444);
  const bool root = geteuid() == 0;
  if (root) {  // the files are nobody's, the folders root's
    chmod(ordner.Pfad().c_str(), 0755);
    ASSERT_EQ(chown(datei.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chown(nurLesen.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chown(zustand.c_str(), 65534, 65534), 0);
  }
  chmod(geschuetzt.c_str(), 0555);
  struct stat vorher {};
  stat(datei.c_str(), &vorher);

  const std::string ergebnisse = OhneVorrechte([&] {
    setenv("XDG_STATE_HOME", zustand.c_str(), 1);
    std::string ohneKopie, unvollstaendig;
    {
      TDateiGroessenGrenze grenze(alt.size() - 1);
      ohneKopie = FehlerVon([&] { SchreibeDateiAtomar(datei, Bytes("neu")); });
    }
    {
      // The copy and the note of its file's name fit, the new content does not.
      TDateiGroessenGrenze grenze(std::max(alt.size(), datei.size()) + 1);
      unvollstaendig = FehlerVon([&] { SchreibeDateiAtomar(datei, Bytes(alt + datei)); });
    }
    return ohneKopie + "|" + unvollstaendig + "|" + FehlerVon([&] { SchreibeDateiAtomar(datei, Bytes("neu")); }) + "|" +
           FehlerVon([&] { SchreibeDateiAtomar(nurLesen, Bytes("neu")); }) + "|" +
           FehlerVon([&] { SchreibeDateiAtomar(geschuetzt + "/neu.swl", Bytes("neu")); });
  });
  // The failed save's copy stays, the successful one's goes.
  const Namen kopien = ordner.Eintraege("zustand/scheibwart");
  ASSERT_EQ(kopien.size(), 2u) << ergebnisse;
  const std::string kopie = zustand + "/scheibwart/" + kopien[0];
  EXPECT_EQ(kopien[1], kopien[0] + ".ort");
  EXPECT_EQ(LiesBytes(kopie), Bytes(alt));
  EXPECT_EQ(ergebnisse, "E/A-Fehler 27|Die Datei \u00BB" + datei + "\u00AB ist unvollst\u00E4ndig (E/A-Fehler 27).\n"
                        "Die vorherige Fassung liegt in \u00BB" + kopie + "\u00AB|(kein Fehler)|"
                        "Dateizugriff verweigert|Dateizugriff verweigert");
  EXPECT_EQ(LiesBytes(datei), Bytes("neu"));
  EXPECT_EQ(LiesBytes(nurLesen), Bytes("alt"));
  struct stat nachher {};
  stat(datei.c_str(), &nachher);
  EXPECT_EQ(std::make_pair(nachher.st_uid, nachher.st_gid), std::make_pair(vorher.st_uid, vorher.st_gid));
  EXPECT_EQ(Rechte(datei), 0606u);
  EXPECT_EQ(ordner.Eintraege("geschuetzt"), (Namen{"a.swl", "b.swl"}));

  // Replaced by root, a user's file stays the user's.
  chmod(geschuetzt.c_str(), 0755);
  if (root) {
    SchreibeDateiAtomar(datei, Bytes("von root"));
    stat(datei.c_str(), &nachher);
    EXPECT_EQ(nachher.st_uid, 65534u);
    EXPECT_EQ(Rechte(datei), 0606u);
  }
}

namespace {

struct stat Status(const std::string& pfad) {
  struct stat st {};
  EXPECT_EQ(stat(pfad.c_str(), &st), 0) << pfad;
  return st;
}

}  // namespace

// Where a new file could not keep the owner and group, or the file has other
// names, it is written in place: a group member's save leaves another
// member's file theirs, and every name of a file sees the new content.
TEST(AtomareDatei, BesitzerGruppeUndHarteLinks) {
  TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("a.swl"), zweiter = ordner.Pfad("zweiter.swl"), zustand = ordner.Pfad("zustand");
  SchreibBytes(pfad, Bytes("alt"));
  chmod(pfad.c_str(), 0664);
  mkdir(zustand.c_str(), 0700);
  ASSERT_EQ(link(pfad.c_str(), zweiter.c_str()), 0);
  const bool root = geteuid() == 0;
  if (root) {  // the file is 4321's in group 4400; 4322, a member too, saves it
    ASSERT_EQ(chown(pfad.c_str(), 4321, 4400), 0);
    ASSERT_EQ(chown(zustand.c_str(), 4322, 4322), 0);
    chmod(ordner.Pfad().c_str(), 0777);
  }
  const std::string ergebnis = Als(4322, 4322, {4400}, [&] {
    setenv("XDG_STATE_HOME", zustand.c_str(), 1);
    return FehlerVon([&] { SchreibeDateiAtomar(pfad, Bytes("neu, l\xE4nger")); });
  });
  EXPECT_EQ(ergebnis, "(kein Fehler)");
  EXPECT_EQ(LiesBytes(pfad), Bytes("neu, l\xE4nger"));
  EXPECT_EQ(LiesBytes(zweiter), Bytes("neu, l\xE4nger"));
  const struct stat st = Status(pfad);
  if (root) {
    EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(uid_t{4321}, gid_t{4400}));
  }
  EXPECT_EQ(st.st_mode & 07777, 0664u);
  EXPECT_EQ(st.st_nlink, 2u);
  EXPECT_EQ(ordner.Eintraege(), (Namen{"a.swl", "zustand", "zweiter.swl"}));
  EXPECT_EQ(ordner.Eintraege("zustand/scheibwart"), Namen{});
}

// A file system that keeps no permissions or owners (FAT) refuses to set
// them: saving there works all the same.
TEST(AtomareDatei, DateisystemOhneRechte) {
  for (const int errnum : {ENOSYS, EOPNOTSUPP, EPERM}) {
    TTempOrdner ordner;
    const std::string pfad = ordner.Pfad("a.swl");
    SchreibBytes(pfad, Bytes("alt"));
    const std::string ergebnis = Als(geteuid(), getegid(), {}, [&] {
      if (!LassScheitern({{__NR_fchmod, errnum}, {__NR_fchown, errnum}})) return std::string("kein seccomp");
      return FehlerVon([&] { SchreibeDateiAtomar(pfad, Bytes("neu")); }) + "|" +
             FehlerVon([&] { SchreibeDateiAtomar(ordner.Pfad("b.swl"), Bytes("b")); });
    });
    EXPECT_EQ(ergebnis, "(kein Fehler)|(kein Fehler)") << errnum;
    EXPECT_EQ(LiesBytes(pfad), Bytes("neu"));
    EXPECT_EQ(LiesBytes(ordner.Pfad("b.swl")), Bytes("b"));
  }
}

// Once the complete file is in place, a failure that follows is a note on
// what is not assured, not a failed save: a failing close, a folder that
// cannot be synced (one that may not be read cannot be opened to be synced).
TEST(AtomareDatei, HinweisNachDemErsetzen) {
  TTempOrdner ordner;
  const std::string geschlossen = ordner.Pfad("a.swl"), blind = ordner.Pfad("blind"), imBlinden = blind + "/b.swl";
  SchreibBytes(geschlossen, Bytes("alt"));
  mkdir(blind.c_str(), 0300);
  if (geteuid() == 0) {
    chmod(ordner.Pfad().c_str(), 0755);
    ASSERT_EQ(chown(blind.c_str(), 65534, 65534), 0);
  }
  const auto hinweis = [](const std::string& pfad) {
    try {
      return SchreibeDateiAtomar(pfad, Bytes("neu")).value_or("(kein Hinweis)");
    } catch (const EFehler& fehler) {
      return std::string(fehler.what());
    }
  };
  EXPECT_EQ(Als(geteuid(), getegid(), {}, [&] {
              return LassScheitern({{__NR_close, EIO}}) ? hinweis(geschlossen) : "kein seccomp";
            }),
            "Die Datei \u00BB" + geschlossen +
                "\u00AB ist gespeichert, aber das System meldete beim Schlie\u00DFen einen Fehler (E/A-Fehler 5).");
  EXPECT_EQ(LiesBytes(geschlossen), Bytes("neu"));
  EXPECT_EQ(OhneVorrechte([&] { return hinweis(imBlinden); }),
            "Die Datei \u00BB" + imBlinden +
                "\u00AB ist gespeichert, aber ihr Ordner konnte nicht auf den Datentr\u00E4ger geschrieben werden "
                "(Dateizugriff verweigert).\nNach einem Stromausfall kann dort noch die vorherige Fassung liegen.");
  chmod(blind.c_str(), 0700);
  EXPECT_EQ(LiesBytes(imBlinden), Bytes("neu"));
}
