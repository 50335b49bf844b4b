#pragma once
// What the text and HTML reports read: the store and the texts of the main
// window's list boxes, taken when the export runs.

#include "model/UDatbas.h"

#include <string>
#include <vector>

struct TExportQuelle {
  const TDatBas& DatBas;
  bool FilmeSichtbar;   // LBFilme shows at least one line
  bool SpieleSichtbar;  // LBSpiele shows at least one line
  // LBFilmeW, LBSpieleW and LBVerleih, top to bottom, in code page 1252.
  std::vector<std::string> FilmWuensche, SpielWuensche, Verleih;
};
