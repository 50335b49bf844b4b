#include "model/UZeilentext.h"

std::string FilmRowText(const std::string& name, const std::string& cdAnzahl,
                        const std::string& cdFormat) {
  return name + "  ( " + cdAnzahl + " * " + cdFormat + " )";
}

std::string FilmRowText(const TFilmRec& film) {
  return FilmRowText(film.Name, film.CDAnzahl, film.CDFormat);
}

std::string SpielRowText(const std::string& name, const std::string& genre) {
  return name + "  ( " + genre + " )";
}

std::string SpielRowText(const TSpielRec& spiel) {
  return SpielRowText(spiel.Name, spiel.Genre);
}
