// The memory of a fresh process around the program, for bench_Laden: prints in
// KiB the resident size before the start, the peak up to the shown main window
// with the collection loaded, and after a session (both table overviews, every
// export, Save, Open again) the resident size and the peak.
//
// Aufruf: speichermessung SAMMLUNG ORDNER

#include "Benchprogramm.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// A "Vm..." line of /proc/self/status, in KiB.
long Kilobytes(const std::string& feld) {
  std::ifstream status("/proc/self/status");
  for (std::string name; status >> name;) {
    long wert = 0;
    if (name == feld + ":" && status >> wert) return wert;
    status.ignore(1 << 10, '\n');
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const auto anwendung = OffscreenAnwendung(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "Aufruf: %s SAMMLUNG ORDNER\n", argv[0]);
    return 2;
  }
  const std::string ordner = argv[2];
  const long basis = Kilobytes("VmRSS");

  TLaufendesProgramm programm(argv[1]);
  const long spitzeLaden = Kilobytes("VmHWM");

  TFHaupt& haupt = programm.Haupt();
  programm.ZeigeUebersicht(haupt.Filme1);
  programm.ZeigeUebersicht(haupt.Spiele1);
  for (const TExport& art : Exporte) programm.Exportiere(art, ordner);
  const std::string gespeichert = ordner + "/Sitzung.swl";
  programm.Speichere(gespeichert);
  programm.Oeffne(gespeichert);
  const long nachSitzung = Kilobytes("VmRSS");
  const long spitzeSitzung = Kilobytes("VmHWM");

  if (const std::string stoerung = programm.Stoerung(); !stoerung.empty()) {
    std::fprintf(stderr, "%s\n", stoerung.c_str());
    return 1;
  }
  std::printf("%ld %ld %ld %ld\n", basis, spitzeLaden, nachSitzung, spitzeSitzung);
  return 0;
}
