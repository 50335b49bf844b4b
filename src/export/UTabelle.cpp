#include "export/UTabelle.h"

#include "export/UDatensaetze.h"

#include <numeric>

namespace {

template <class TRec>
void HaengeAn(TTabelle& tabelle, const TDatBas& datBas, void (TDatBas::*hole)(int, TRec&) const,
              const std::vector<int>& positionen) {
  TRec rec;
  for (int position : positionen) {
    (datBas.*hole)(position, rec);
    std::vector<std::string> zeile{std::to_string(position)};
    for (const std::string* feld : Felder(rec)) zeile.push_back(*feld);
    tabelle.Zeilen.push_back(std::move(zeile));
  }
}

std::vector<int> AllePositionen(int anzahl) {
  std::vector<int> positionen(static_cast<std::size_t>(anzahl));
  std::iota(positionen.begin(), positionen.end(), 1);
  return positionen;
}

std::vector<std::string> Kopfzeile(TSammlungsart art) {
  if (art == TSammlungsart::Filme) return {"#", "Film", "CDs", "CD-Format", "Genre", "Kommentar"};
  return {"#", "Spiel", "CDs", "Genre", "Kommentar"};
}

}  // namespace

TTabelle Sammlungstabelle(const TDatBas& datBas, TSammlungsart art,
                          const std::vector<int>& positionen, std::vector<int> breiten) {
  TTabelle tabelle;
  tabelle.Zeilen.reserve(positionen.size() + 1);
  tabelle.Zeilen.push_back(Kopfzeile(art));
  tabelle.Spalten = static_cast<int>(tabelle.Zeilen[0].size());
  tabelle.Breiten = std::move(breiten);
  if (art == TSammlungsart::Filme)
    HaengeAn<TFilmRec>(tabelle, datBas, &TDatBas::GetFilm, positionen);
  else
    HaengeAn<TSpielRec>(tabelle, datBas, &TDatBas::GetSpiel, positionen);
  return tabelle;
}

TTabelle Uebersicht(const TDatBas& datBas, TSammlungsart art) {
  if (art == TSammlungsart::Filme)
    return Sammlungstabelle(datBas, art, AllePositionen(datBas.FilmCount()),
                            {28, 305, 43, 110, 120, 240});
  return Sammlungstabelle(datBas, art, AllePositionen(datBas.SpielCount()),
                          {28, 338, 50, 180, 250});
}

std::string UebersichtTitel(TSammlungsart art) {
  return art == TSammlungsart::Filme ? "Scheibwart - Tabellansicht: Filme"
                                     : "Scheibwart - Tabellansicht: Spiele";
}
