#include "model/UDatentypen.h"

TShortString::TShortString(std::string_view text)
    : Text(text.substr(0, MaxLaenge)) {}

std::array<const std::string*, 5> Felder(const TFilmRec& film) {
  return {&film.Name.str(), &film.CDAnzahl.str(), &film.CDFormat.str(), &film.Genre.str(), &film.Kommentar.str()};
}

std::array<const std::string*, 4> Felder(const TSpielRec& spiel) {
  return {&spiel.Name.str(), &spiel.CDAnzahl.str(), &spiel.Genre.str(), &spiel.Kommentar.str()};
}
