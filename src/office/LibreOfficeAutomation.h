#pragma once
// The automation runtime of this platform. It knows one class,
// "Excel.Application", and serves it with LibreOffice Calc; every object
// created gets a LibreOffice of its own, so an office the user has open is
// never touched.

#include "office/Automation.h"

#include <string>

class TLibreOfficeAutomation : public TAutomation {
public:
  // programmOrdner: the folder of LibreOffice's soffice.bin; empty: the
  // office that the command soffice on the search path starts, looked up at
  // each creation. arbeitsOrdner: where the private offices keep their user
  // installations while they run, a folder only the user can enter (empty:
  // the program's runtime folder). calcModul: the bridge module's file
  // (empty: the one that belongs to this program).
  explicit TLibreOfficeAutomation(std::string programmOrdner = "", std::string arbeitsOrdner = "",
                                  std::string calcModul = "");

  // An unknown class, or a LibreOffice that is not there, fails with EFehler
  // "Ungültige Klassenzeichenfolge"; an office that does not start with
  // "Fehler bei der Serverausführung"; a runtime folder that cannot be made
  // with the text of that failure.
  TDispatchPtr CreateOleObject(const std::string& klasse) override;

  // The program folder of the soffice found on the search path; empty when
  // there is none.
  static std::string OfficeImSuchpfad();

  // The bridge module of the program in programmOrdner: beside it, as in the
  // build tree, else in the private library folder of an installed tree.
  static std::string CalcModulZumProgramm(const std::string& programmOrdner);

  // Whether the program in programmOrdner is installed: its bridge module
  // lies in the private library folder of an installed tree.
  static bool Installiert(const std::string& programmOrdner);

private:
  std::string ProgrammOrdner, ArbeitsOrdner, CalcModul;
};
