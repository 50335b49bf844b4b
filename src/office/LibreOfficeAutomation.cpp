#include "office/LibreOfficeAutomation.h"

#include "office/Argumente.h"
#include "office/CalcModul.h"
#include "platform/EigeneOrdner.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

bool Vorhanden(const std::string& pfad, int art) { return access(pfad.c_str(), art) == 0; }

std::string DiesesProgrammsOrdner() {
  std::error_code fehler;
  const std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
  return fehler ? std::string() : programm.parent_path().string();
}

// Loads the office's UNO libraries and then the bridge module, which uses
// them; nullptr when one of them cannot be loaded. Loaded once, for the rest
// of the run.
TNeueCalcAnwendung* CalcEinstieg(const std::string& programmOrdner, const std::string& calcModul) {
  static TNeueCalcAnwendung* einstieg = nullptr;
  if (einstieg != nullptr) return einstieg;
  for (const char* bibliothek : {"libuno_sal.so.3", "libuno_cppu.so.3", "libuno_cppuhelpergcc3.so.3"})
    if (dlopen((programmOrdner + "/" + bibliothek).c_str(), RTLD_NOW | RTLD_GLOBAL) == nullptr) return nullptr;
  void* modul = dlopen(calcModul.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (modul == nullptr) return nullptr;
  einstieg = reinterpret_cast<TNeueCalcAnwendung*>(dlsym(modul, CalcModulEinstieg));
  return einstieg;
}

}  // namespace

TLibreOfficeAutomation::TLibreOfficeAutomation(std::string programmOrdner, std::string arbeitsOrdner,
                                               std::string calcModul)
    : ProgrammOrdner(std::move(programmOrdner)),
      ArbeitsOrdner(std::move(arbeitsOrdner)),
      CalcModul(calcModul.empty() ? CalcModulZumProgramm(DiesesProgrammsOrdner()) : std::move(calcModul)) {}

namespace {

std::string InstallierterCalcModul(const std::string& programmOrdner) {
  return programmOrdner + "/" SCHEIBWART_MODULORDNER_VOM_PROGRAMM "/" + CalcModulName;
}

}  // namespace

std::string TLibreOfficeAutomation::CalcModulZumProgramm(const std::string& programmOrdner) {
  const std::string daneben = programmOrdner + "/" + CalcModulName;
  if (Vorhanden(daneben, R_OK)) return daneben;
  return InstallierterCalcModul(programmOrdner);
}

bool TLibreOfficeAutomation::Installiert(const std::string& programmOrdner) {
  return Vorhanden(InstallierterCalcModul(programmOrdner), F_OK);
}

std::string TLibreOfficeAutomation::OfficeImSuchpfad() {
  const char* suchpfad = std::getenv("PATH");
  if (suchpfad == nullptr) return {};
  const std::string pfade = suchpfad;
  for (std::size_t anfang = 0; anfang <= pfade.size();) {
    std::size_t ende = pfade.find(':', anfang);
    if (ende == std::string::npos) ende = pfade.size();
    const std::string ordner = ende == anfang ? "." : pfade.substr(anfang, ende - anfang);
    const std::string soffice = ordner + "/soffice";
    if (Vorhanden(soffice, X_OK)) {
      // soffice on the search path is a link into the office's program folder.
      std::error_code fehler;
      const std::filesystem::path echt = std::filesystem::canonical(soffice, fehler);
      if (!fehler) return echt.parent_path().string();
    }
    anfang = ende + 1;
  }
  return {};
}

TDispatchPtr TLibreOfficeAutomation::CreateOleObject(const std::string& klasse) {
  if (!GleicherName(klasse, "Excel.Application")) throw EFehler(UngueltigeKlassenzeichenfolge);
  const std::string programm = ProgrammOrdner.empty() ? OfficeImSuchpfad() : ProgrammOrdner;
  // The class counts as registered when the office and its bridge files are there.
  const bool vorhanden = !programm.empty() && Vorhanden(programm + "/soffice.bin", X_OK) &&
                         Vorhanden(programm + "/unorc", R_OK) && Vorhanden(programm + "/fundamentalrc", R_OK);
  TNeueCalcAnwendung* neueAnwendung = vorhanden ? CalcEinstieg(programm, CalcModul) : nullptr;
  if (neueAnwendung == nullptr) throw EFehler(UngueltigeKlassenzeichenfolge);
  TDispatchPtr anwendung;
  neueAnwendung(programm, ArbeitsOrdner.empty() ? Laufzeitordner() : ArbeitsOrdner, anwendung);
  return anwendung;
}
