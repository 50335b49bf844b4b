#pragma once
// The records of the store as the exports read them.

#include "model/UDatbas.h"

#include <string>
#include <vector>

// The field texts of a record in its own order: Name, CDAnzahl, CDFormat,
// Genre, Kommentar for a film; the same without CDFormat for a game.
std::vector<std::string> Felder(const TFilmRec& film);
std::vector<std::string> Felder(const TSpielRec& spiel);
