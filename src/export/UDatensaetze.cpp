#include "export/UDatensaetze.h"

namespace {

template <class TRec>
std::vector<TRec> Kopien(const TRecNode<TRec>* knoten) {
  std::vector<TRec> saetze;
  for (; knoten != nullptr; knoten = knoten->Next) saetze.push_back(knoten->Rec);
  return saetze;
}

}  // namespace

std::vector<TFilmRec> Filme(const TDatBas& datBas) { return Kopien(datBas.FilmHead()); }

std::vector<TSpielRec> Spiele(const TDatBas& datBas) { return Kopien(datBas.SpielHead()); }

std::vector<std::string> Felder(const TFilmRec& film) {
  return {film.Name, film.CDAnzahl, film.CDFormat, film.Genre, film.Kommentar};
}

std::vector<std::string> Felder(const TSpielRec& spiel) {
  return {spiel.Name, spiel.CDAnzahl, spiel.Genre, spiel.Kommentar};
}
