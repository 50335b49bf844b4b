#include "model/UZeilentext.h"

namespace {

// The parts one after the other, in one allocation.
template <std::size_t N>
std::string Verkettet(const std::array<std::string_view, N>& teile) {
  std::size_t laenge = 0;
  for (const std::string_view teil : teile) laenge += teil.size();
  std::string text;
  text.reserve(laenge);
  for (const std::string_view teil : teile) text += teil;
  return text;
}

}  // namespace

std::string FilmRowText(const std::string& name, const std::string& cdAnzahl,
                        const std::string& cdFormat) {
  return Verkettet(FilmRowTeile(name, cdAnzahl, cdFormat));
}

std::string FilmRowText(const TFilmRec& film) {
  return FilmRowText(film.Name, film.CDAnzahl, film.CDFormat);
}

std::string SpielRowText(const std::string& name, const std::string& genre) {
  return Verkettet(SpielRowTeile(name, genre));
}

std::string SpielRowText(const TSpielRec& spiel) {
  return SpielRowText(spiel.Name, spiel.Genre);
}
