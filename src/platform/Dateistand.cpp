#include "platform/Dateistand.h"

#include "platform/AtomareDatei.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

namespace {

// The place a name stands for: its folder as the system resolves it, and the
// name in it.
std::string Ort(const std::string& pfad) {
  const std::string ordner = Verzeichnis(pfad);
  const std::unique_ptr<char, decltype(&std::free)> echt(realpath(ordner.c_str(), nullptr), &std::free);
  const std::string::size_type schnitt = pfad.find_last_of('/');
  const std::string name = schnitt == std::string::npos ? pfad : pfad.substr(schnitt + 1);
  const std::string wo = echt ? std::string(echt.get()) : ordner;
  return wo.ends_with('/') ? wo + name : wo + "/" + name;
}

// The place of the name itself, and the place its links end at: a link put
// there since still stands at the same place, and a link to the file still
// leads to its place after the file was replaced.
std::vector<std::string> Orte(const std::string& pfad) {
  std::vector<std::string> orte{Ort(pfad)};
  try {
    orte.push_back(Ort(ZielPfad(pfad)));
  } catch (const EFehler&) {  // a link the writer would not follow ends nowhere
  }
  return orte;
}

}  // namespace

TDateistand::TDateistand(const struct stat& st)
    : Geraet(st.st_dev), Knoten(st.st_ino), Groesse(st.st_size), GeaendertSek(st.st_mtim.tv_sec),
      GeaendertNsek(st.st_mtim.tv_nsec), StatusSek(st.st_ctim.tv_sec), StatusNsek(st.st_ctim.tv_nsec) {}

std::optional<TDateistand> TDateistand::Von(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return std::nullopt;
  return TDateistand(st);
}

std::optional<TDateistand> TDateistand::VonPfad(const std::string& pfad) {
  struct stat st {};
  if (stat(pfad.c_str(), &st) != 0) return std::nullopt;
  return TDateistand(st);
}

void TGemerkteDatei::Merke(const std::string& pfad, const TDateistand& stand) {
  Name = pfad;
  GemerkterStand = stand;
  Orte = ::Orte(pfad);
}

void TGemerkteDatei::Vergiss() {
  Name.clear();
  GemerkterStand.reset();
  Orte.clear();
}

bool TGemerkteDatei::FremdGeaendert(const std::string& pfad) const {
  if (!GemerkterStand) return false;
  const std::optional<TDateistand> jetzt = TDateistand::VonPfad(pfad);
  if (!jetzt || *jetzt == *GemerkterStand) return false;
  if (jetzt->GleicheDatei(*GemerkterStand)) return true;
  const std::vector<std::string> orte = ::Orte(pfad);
  return std::find_first_of(orte.begin(), orte.end(), Orte.begin(), Orte.end()) != orte.end();
}
