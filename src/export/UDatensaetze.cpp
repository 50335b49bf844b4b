#include "export/UDatensaetze.h"

std::vector<std::string> Felder(const TFilmRec& film) {
  return {film.Name, film.CDAnzahl, film.CDFormat, film.Genre, film.Kommentar};
}

std::vector<std::string> Felder(const TSpielRec& spiel) {
  return {spiel.Name, spiel.CDAnzahl, spiel.Genre, spiel.Kommentar};
}
