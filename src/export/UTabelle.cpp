#include "export/UTabelle.h"


#include <numeric>

namespace {

std::vector<int> AllePositionen(int anzahl) {
  std::vector<int> positionen(static_cast<std::size_t>(anzahl));
  std::iota(positionen.begin(), positionen.end(), 1);
  return positionen;
}

std::vector<std::string> Kopfzeile(TSammlungsart art) {
  if (art == TSammlungsart::Filme) return {"#", "Film", "CDs", "CD-Format", "Genre", "Kommentar"};
  return {"#", "Spiel", "CDs", "Genre", "Kommentar"};
}

// Field feld (0-based) of the record at position, empty when there is none.
template <class TRec>
std::string Feld(const TSatzfolge<TRec>& saetze, int position, int feld) {
  if (position < 1 || position > static_cast<int>(saetze.size())) return {};
  const auto felder = Felder(saetze[static_cast<std::size_t>(position - 1)]);
  return feld < static_cast<int>(felder.size()) ? *felder[static_cast<std::size_t>(feld)] : std::string();
}

}  // namespace

std::vector<std::string> TRaster::Zeile(int zeile) const {
  std::vector<std::string> texte;
  for (int spalte = 0; spalte < SpaltenZahl(); ++spalte) texte.push_back(Zelle(zeile, spalte));
  return texte;
}

std::string TTabelle::Zelle(int zeile, int spalte) const {
  const auto& texte = Zeilen[static_cast<std::size_t>(zeile)];
  const auto s = static_cast<std::size_t>(spalte);
  return s < texte.size() ? texte[s] : std::string();
}

TSammlungstabelle::TSammlungstabelle(const TDatBas& datBas, TSammlungsart art, std::vector<int> positionen,
                                     std::vector<int> breiten)
    : DatBas(&datBas), Art(art), Kopf(Kopfzeile(art)), Positionen(std::move(positionen)),
      Breiten(std::move(breiten)) {}

std::string TSammlungstabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return Kopf[static_cast<std::size_t>(spalte)];
  const int position = Positionen[static_cast<std::size_t>(zeile - 1)];
  if (spalte == 0) return std::to_string(position);
  return Art == TSammlungsart::Filme ? Feld(DatBas->Filme(), position, spalte - 1)
                                     : Feld(DatBas->Spiele(), position, spalte - 1);
}

TSammlungstabelle Uebersicht(const TDatBas& datBas, TSammlungsart art) {
  if (art == TSammlungsart::Filme)
    return {datBas, art, AllePositionen(datBas.FilmCount()), {28, 305, 43, 110, 120, 240}};
  return {datBas, art, AllePositionen(datBas.SpielCount()), {28, 338, 50, 180, 250}};
}

std::string UebersichtTitel(TSammlungsart art) {
  return art == TSammlungsart::Filme ? "Scheibwart - Tabellansicht: Filme"
                                     : "Scheibwart - Tabellansicht: Spiele";
}
