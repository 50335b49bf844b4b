#include "model/USuche.h"

#include <algorithm>

namespace {

char Gefaltet(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

const TShortString* Feld(const TFilmRec& film, TSuchfeld feld) {
  switch (feld) {
    case TSuchfeld::Name: return &film.Name;
    case TSuchfeld::Format: return &film.CDFormat;
    case TSuchfeld::Genre: return &film.Genre;
    case TSuchfeld::Kommentar: return &film.Kommentar;
  }
  return nullptr;
}

const TShortString* Feld(const TSpielRec& spiel, TSuchfeld feld) {
  switch (feld) {
    case TSuchfeld::Name: return &spiel.Name;
    case TSuchfeld::Format: return nullptr;
    case TSuchfeld::Genre: return &spiel.Genre;
    case TSuchfeld::Kommentar: return &spiel.Kommentar;
  }
  return nullptr;
}

template <class TRec>
std::vector<int> Durchsuche(int anzahl, void (TDatBas::*hole)(int, TRec&) const,
                            const TDatBas& datBas, TSuchfeld feld, const std::string& suchtext) {
  std::vector<int> positionen;
  TRec rec;
  for (int i = 1; i <= anzahl; ++i) {
    (datBas.*hole)(i, rec);
    const TShortString* text = Feld(rec, feld);
    if (text != nullptr && MatchesSearchText(*text, suchtext)) positionen.push_back(i);
  }
  return positionen;
}

}  // namespace

bool MatchesSearchText(const std::string& text, const std::string& suchtext) {
  const std::string gesucht = suchtext.substr(0, TShortString::MaxLaenge);
  const auto gleich = [](char a, char b) { return Gefaltet(a) == Gefaltet(b); };
  return gesucht.empty() ||
         std::search(text.begin(), text.end(), gesucht.begin(), gesucht.end(), gleich) != text.end();
}

std::vector<int> Treffer(const TDatBas& datBas, TSammlungsart art, TSuchfeld feld,
                         const std::string& suchtext) {
  if (art == TSammlungsart::Filme)
    return Durchsuche<TFilmRec>(datBas.FilmCount(), &TDatBas::GetFilm, datBas, feld, suchtext);
  return Durchsuche<TSpielRec>(datBas.SpielCount(), &TDatBas::GetSpiel, datBas, feld, suchtext);
}
