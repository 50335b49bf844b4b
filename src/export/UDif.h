#pragma once
// The film or the game collection as a DIF table for spreadsheet programs.

#include "model/UDatbas.h"

#include <string>
#include <vector>

// The lines of the file, without line ends: the header (whose VECTORS and
// TUPLES counts are fixed at 18 and 8), a title row, the column headings, a
// row per record with its number and its fields, a credit row and EOD. Every
// cell is a string; values are written as they are, quotes included.
std::vector<std::string> DifFilmZeilen(const TDatBas& datBas);
std::vector<std::string> DifSpielZeilen(const TDatBas& datBas);
