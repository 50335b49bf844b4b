// The office's pipes: only a socket of this user's on which the office child
// listens is connected to, and only dead sockets of this user's are removed.

#include "office/Rohre.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

// A socket bound to pfad; it listens, or it is closed at once and leaves its
// name behind as a killed office does.
struct TSocketDatei {
  TSocketDatei(const std::string& pfad, bool lauscht) : Fd(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::strncpy(adresse.sun_path, pfad.c_str(), sizeof adresse.sun_path - 1);
    EXPECT_EQ(bind(Fd, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse), 0) << pfad;
    if (lauscht) EXPECT_EQ(listen(Fd, 4), 0);
    else Schliesse();
  }
  ~TSocketDatei() { Schliesse(); }
  void Schliesse() {
    if (Fd >= 0) close(Fd);
    Fd = -1;
  }
  int Fd;
};

constexpr uid_t Fremder = 12345;

}  // namespace

TEST(Rohre, NurDasRohrDesKindes) {
  struct TFall {
    const char* Name;
    std::function<void(const TTempOrdner&)> Anlegen;
    pid_t Prozess;
    TRohrstand Erwartet;
    bool NurRoot = false;
  };
  std::vector<std::unique_ptr<TSocketDatei>> sockets;
  auto socketDatei = [&](const std::string& pfad, bool lauscht) {
    sockets.push_back(std::make_unique<TSocketDatei>(pfad, lauscht));
  };
  const pid_t ich = getpid(), anderer = getppid();
  const std::vector<TFall> faelle{
      {"eigen", [&](const TTempOrdner& o) { socketDatei(o.Pfad("r"), true); }, ich, TRohrstand::Eigen},
      {"anderer Prozess", [&](const TTempOrdner& o) { socketDatei(o.Pfad("r"), true); }, anderer,
       TRohrstand::Fremd},
      {"noch nicht da", [](const TTempOrdner&) {}, ich, TRohrstand::Fehlt},
      {"niemand lauscht", [&](const TTempOrdner& o) { socketDatei(o.Pfad("r"), false); }, ich, TRohrstand::Fehlt},
      {"Verweis",
       [&](const TTempOrdner& o) {
         socketDatei(o.Pfad("echt"), true);
         symlink(o.Pfad("echt").c_str(), o.Pfad("r").c_str());
       },
       ich, TRohrstand::Fremd},
      {"Datei", [](const TTempOrdner& o) { SchreibBytes(o.Pfad("r"), Bytes("x")); }, ich, TRohrstand::Fremd},
      {"fremder Besitzer",
       [&](const TTempOrdner& o) {
         socketDatei(o.Pfad("r"), true);
         EXPECT_EQ(lchown(o.Pfad("r").c_str(), Fremder, Fremder), 0);
       },
       ich, TRohrstand::Fremd, true},
  };
  for (const TFall& fall : faelle) {
    if (fall.NurRoot && geteuid() != 0) continue;
    TTempOrdner ordner;
    fall.Anlegen(ordner);
    EXPECT_EQ(PruefeRohr(ordner.Pfad("r"), fall.Prozess), fall.Erwartet) << fall.Name;
    sockets.clear();
  }
}

TEST(Rohre, NurToteEigeneSocketsGehen) {
  TTempOrdner ordner;
  const TSocketDatei tot(ordner.Pfad("OSL_a_tot"), false), zweiter(ordner.Pfad("OSL_b_tot"), false),
      lebt(ordner.Pfad("OSL_a_lebt"), true), anders(ordner.Pfad("anders_tot"), false),
      ziel(ordner.Pfad("ziel"), false);
  symlink(ordner.Pfad("ziel").c_str(), ordner.Pfad("OSL_a_verweis").c_str());
  SchreibBytes(ordner.Pfad("OSL_a_datei"), Bytes("x"));
  Namen bleiben{"OSL_a_datei", "OSL_a_lebt", "OSL_a_verweis", "anders_tot", "ziel"};
  if (geteuid() == 0) {
    const TSocketDatei fremd(ordner.Pfad("OSL_a_fremd"), false);
    lchown(ordner.Pfad("OSL_a_fremd").c_str(), Fremder, Fremder);
    bleiben.insert(bleiben.begin() + 1, "OSL_a_fremd");
  }
  EntferneToteRohre(ordner.Pfad(), {"OSL_a_", "OSL_b_"});
  EXPECT_EQ(ordner.Eintraege(), bleiben);
}
