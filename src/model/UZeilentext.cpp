#include "model/UZeilentext.h"

#include <initializer_list>
#include <string_view>

namespace {

// The parts one after the other, in one allocation.
std::string Verkettet(std::initializer_list<std::string_view> teile) {
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
  return Verkettet({name, "  ( ", cdAnzahl, " * ", cdFormat, " )"});
}

std::string FilmRowText(const TFilmRec& film) {
  return FilmRowText(film.Name, film.CDAnzahl, film.CDFormat);
}

std::string SpielRowText(const std::string& name, const std::string& genre) {
  return Verkettet({name, "  ( ", genre, " )"});
}

std::string SpielRowText(const TSpielRec& spiel) {
  return SpielRowText(spiel.Name, spiel.Genre);
}
