#include "model/UDBSortTree.h"

#include <cstddef>

namespace {

unsigned char Gefaltet(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

const std::string KeinText;

}  // namespace

int CompareSortText(std::string_view a, std::string_view b) {
  const std::size_t gemeinsam = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < gemeinsam; ++i) {
    const unsigned char x = Gefaltet(a[i]);
    const unsigned char y = Gefaltet(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::uint64_t SortPraefix(std::string_view text) {
  std::uint64_t praefix = 0;
  for (std::size_t i = 0; i < 8; ++i) praefix = praefix << 8 | (i < text.size() ? Gefaltet(text[i]) : 0);
  return praefix;
}

const std::string& SortText(const TFilmRec& film, int key) {
  switch (key) {
    case 1: return film.Name;
    case 2: return film.CDAnzahl;
    case 3: return film.CDFormat;
    case 4: return film.Genre;
    case 5: return film.Kommentar;
    default: return KeinText;
  }
}

const std::string& SortText(const TSpielRec& spiel, int key) {
  switch (key) {
    case 1: return spiel.Name;
    case 2: return spiel.CDAnzahl;
    case 3: return spiel.Genre;
    case 4: return spiel.Kommentar;
    default: return KeinText;
  }
}
