#pragma once
// The automation runtime of this platform. It knows one class,
// "Excel.Application", and serves it with LibreOffice Calc; every object
// created gets a LibreOffice of its own, so an office the user has open is
// never touched.

#include "platform/Automation.h"

#include <string>

class TLibreOfficeAutomation : public TAutomation {
public:
  // programmOrdner: the folder of LibreOffice's soffice.bin; arbeitsOrdner:
  // where the private offices keep their user installations while they run
  // (empty: $TMPDIR, else /tmp).
  explicit TLibreOfficeAutomation(std::string programmOrdner = StandardProgrammOrdner,
                                  std::string arbeitsOrdner = "");

  // An unknown class, or a LibreOffice that is not there, fails with EFehler
  // "Ungültige Klassenzeichenfolge"; an office that does not start with
  // "Fehler bei der Serverausführung".
  TDispatchPtr CreateOleObject(const std::string& klasse) override;

  static const char* const StandardProgrammOrdner;

private:
  std::string ProgrammOrdner, ArbeitsOrdner;
};
