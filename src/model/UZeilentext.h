#pragma once
// The line of a film or a game in its list box.

#include "model/UDatentypen.h"

#include <array>
#include <string>
#include <string_view>

// The parts of a row text one after the other, where the texts lie.
inline std::array<std::string_view, 6> FilmRowTeile(const std::string& name, const std::string& cdAnzahl,
                                                    const std::string& cdFormat) {
  return {name, "  ( ", cdAnzahl, " * ", cdFormat, " )"};
}
inline std::array<std::string_view, 4> SpielRowTeile(const std::string& name, const std::string& genre) {
  return {name, "  ( ", genre, " )"};
}

// "Name  ( CDAnzahl * CDFormat )"
std::string FilmRowText(const std::string& name, const std::string& cdAnzahl,
                        const std::string& cdFormat);
std::string FilmRowText(const TFilmRec& film);

// "Name  ( Genre )"
std::string SpielRowText(const std::string& name, const std::string& genre);
std::string SpielRowText(const TSpielRec& spiel);
