#include "platform/LibreOfficeAutomation.h"

#include "platform/Argumente.h"
#include "platform/CalcAnwendung.h"

#include <cstdlib>
#include <unistd.h>

const char* const TLibreOfficeAutomation::StandardProgrammOrdner = SCHEIBWART_LIBREOFFICE_PROGRAMM;

namespace {

std::string TempOrdner() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

}  // namespace

TLibreOfficeAutomation::TLibreOfficeAutomation(std::string programmOrdner, std::string arbeitsOrdner)
    : ProgrammOrdner(std::move(programmOrdner)),
      ArbeitsOrdner(arbeitsOrdner.empty() ? TempOrdner() : std::move(arbeitsOrdner)) {}

TDispatchPtr TLibreOfficeAutomation::CreateOleObject(const std::string& klasse) {
  // The class counts as registered when the office and its bridge files are there.
  const bool vorhanden = access((ProgrammOrdner + "/soffice.bin").c_str(), X_OK) == 0 &&
                         access((ProgrammOrdner + "/unorc").c_str(), R_OK) == 0 &&
                         access((ProgrammOrdner + "/fundamentalrc").c_str(), R_OK) == 0;
  if (!GleicherName(klasse, "Excel.Application") || !vorhanden) throw EFehler(UngueltigeKlassenzeichenfolge);
  return NeueCalcAnwendung(ProgrammOrdner, ArbeitsOrdner);
}
