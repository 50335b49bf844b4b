#pragma once
// The line of a film or a game in its list box.

#include "model/UDatentypen.h"

#include <string>

// "Name  ( CDAnzahl * CDFormat )"
std::string FilmRowText(const std::string& name, const std::string& cdAnzahl,
                        const std::string& cdFormat);
std::string FilmRowText(const TFilmRec& film);

// "Name  ( Genre )"
std::string SpielRowText(const std::string& name, const std::string& genre);
std::string SpielRowText(const TSpielRec& spiel);
