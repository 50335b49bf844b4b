#pragma once
// The records of the store as the exports read them.

#include "model/UDatbas.h"

#include <array>
#include <string>

// The field texts of a record in its own order, where they lie: Name,
// CDAnzahl, CDFormat, Genre, Kommentar for a film; the same without CDFormat
// for a game.
std::array<const std::string*, 5> Felder(const TFilmRec& film);
std::array<const std::string*, 4> Felder(const TSpielRec& spiel);
