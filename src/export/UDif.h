#pragma once
// The film or the game collection as a DIF table for spreadsheet programs.

#include "export/UZeilendatei.h"
#include "model/UDatbas.h"

// Gives zeilen the lines of the file, without line ends: the header (whose
// VECTORS and TUPLES counts are fixed at 18 and 8), a title row, the column
// headings, a row per record with its number and its fields, a credit row and
// EOD. Every cell is a string; values are written as they are, quotes
// included.
void DifFilmZeilen(const TDatBas& datBas, TZeilenZiel& zeilen);
void DifSpielZeilen(const TDatBas& datBas, TZeilenZiel& zeilen);
