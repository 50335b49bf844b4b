// Keeps an "Excel.Application" of the automation runtime until it is killed,
// for the test that the private office dies with the program.
//   OfficeHalter ARBEITSORDNER BEREITDATEI

#include "office/LibreOfficeAutomation.h"

#include <fstream>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  TLibreOfficeAutomation automation(TLibreOfficeAutomation::OfficeImSuchpfad(), argv[1], CALC_MODUL);
  const TDispatchPtr excel = automation.CreateOleObject("Excel.Application");
  std::ofstream(argv[2]) << "bereit";
  for (;;) pause();
}
