#pragma once
// Tables of texts made from the collection: what the table overview and the
// search window show in their grids, and what the spreadsheet export copies.

#include "model/UDatbas.h"
#include "model/USammlungsart.h"

#include <string>
#include <vector>

struct TTabelle {
  int Spalten = 0;
  std::vector<int> Breiten;                      // the columns' widths in pixels
  std::vector<std::vector<std::string>> Zeilen;  // row 0 the headings, Spalten texts a row
};

// The headings ("#" and the field names), then for each position the position in decimal and the
// fields of that record as stored.
TTabelle Sammlungstabelle(const TDatBas& datBas, TSammlungsart art,
                          const std::vector<int>& positionen, std::vector<int> breiten);

// The table overview: every film or every game in collection order, and the
// window caption that names the kind.
TTabelle Uebersicht(const TDatBas& datBas, TSammlungsart art);
std::string UebersichtTitel(TSammlungsart art);
