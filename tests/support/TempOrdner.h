#pragma once
// A fresh folder under /tmp for one test, removed with everything in it.

#include "platform/Fehler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TTempOrdner {
public:
  TTempOrdner() {
    char muster[] = "/tmp/scheibwart-test-XXXXXX";
    if (mkdtemp(muster) == nullptr) ADD_FAILURE() << "mkdtemp fehlgeschlagen";
    Wurzel = muster;
  }
  ~TTempOrdner() {
    std::error_code egal;
    std::filesystem::remove_all(Wurzel, egal);
  }
  TTempOrdner(const TTempOrdner&) = delete;
  TTempOrdner& operator=(const TTempOrdner&) = delete;

  std::string Pfad(const std::string& name = "") const {
    return name.empty() ? Wurzel : Wurzel + "/" + name;
  }

  // The names in the folder (or a subfolder), sorted.
  std::vector<std::string> Eintraege(const std::string& unter = "") const {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(Pfad(unter)))
      namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }

private:
  std::string Wurzel;
};

// The program's state folder lies in a test folder while the object lives.
class TZustandHier {
public:
  explicit TZustandHier(const TTempOrdner& ordner) : Basis(ordner.Pfad("zustand")) {
    setenv("XDG_STATE_HOME", Basis.c_str(), 1);
  }
  ~TZustandHier() { unsetenv("XDG_STATE_HOME"); }
  TZustandHier(const TZustandHier&) = delete;
  TZustandHier& operator=(const TZustandHier&) = delete;
  std::string Ordner() const { return Basis + "/scheibwart"; }

private:
  std::string Basis;
};

inline void SchreibBytes(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
  std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
  aus.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> LiesBytes(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// The text of the EFehler that f throws, or a note that it threw none.
template <class F>
std::string FehlerVon(F&& f) {
  try {
    f();
  } catch (const EFehler& e) {
    return e.what();
  }
  return "(kein Fehler)";
}

// Lets write() fail with EFBIG past a few bytes, for as long as it lives.
class TDateiGroessenGrenze {
public:
  explicit TDateiGroessenGrenze(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &Vorher);
    struct sigaction ignorieren {};
    ignorieren.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignorieren, &SignalVorher);
    rlimit grenze = Vorher;
    grenze.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
  }
  ~TDateiGroessenGrenze() {
    setrlimit(RLIMIT_FSIZE, &Vorher);
    sigaction(SIGXFSZ, &SignalVorher, nullptr);
  }

private:
  rlimit Vorher{};
  struct sigaction SignalVorher {};
};
