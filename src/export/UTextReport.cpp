#include "export/UTextReport.h"

#include "export/Programmangaben.h"
#include "model/UZeilentext.h"

namespace {

void Abstaende(TZeilenZiel& zeilen, std::size_t anzahl) {
  for (; anzahl > 0; --anzahl) zeilen.Zeile(" ");
}

// The parts of an entry's line: a blank, then the entry's text.
std::array<std::string_view, 2> Teile(const std::string& eintrag) { return {" ", eintrag}; }
std::array<std::string_view, 7> Teile(const TFilmRec& film) {
  const auto zeile = FilmRowTeile(film.Name, film.CDAnzahl, film.CDFormat);
  return {" ", zeile[0], zeile[1], zeile[2], zeile[3], zeile[4], zeile[5]};
}
std::array<std::string_view, 5> Teile(const TSpielRec& spiel) {
  const auto zeile = SpielRowTeile(spiel.Name, spiel.Genre);
  return {" ", zeile[0], zeile[1], zeile[2], zeile[3]};
}

// The heading between blanks, underlined by as many asterisks, a spacer line,
// every entry's line, and the spacer lines that end the section.
template <class TEintrag>
void Abschnitt(TZeilenZiel& zeilen, const std::string& titel, const std::vector<TEintrag>& eintraege,
               std::size_t abstaende) {
  zeilen.Zeile(" " + titel + " ");
  zeilen.Zeile(" " + std::string(titel.size(), '*') + " ");
  Abstaende(zeilen, 1);
  for (const TEintrag& eintrag : eintraege) zeilen.Zeile(Teile(eintrag));
  Abstaende(zeilen, abstaende);
}

void Fusszeilen(TZeilenZiel& zeilen) {
  Abstaende(zeilen, 2);
  zeilen.Zeile(" " + std::string(42, '_') + " ");
  zeilen.Zeile(" Diese CD-Lite wurde mit: Scheibwart v0.1b");
  zeilen.Zeile(" Programmiert von: " + Programmangaben::Autor + " [" + Programmangaben::Homepage + " ]");
  zeilen.Zeile(" " + std::string(57, '\xAF') + " ");  // macrons
  Abstaende(zeilen, 2);
}

}  // namespace

void TextReportZeilen(const TExportQuelle& quelle, TZeilenZiel& zeilen) {
  Abstaende(zeilen, 1);
  if (quelle.FilmeSichtbar) Abschnitt(zeilen, "Filmliste:", quelle.DatBas.Filme(), 4);
  if (!quelle.FilmWuensche.empty()) Abschnitt(zeilen, "Filme: Wunschliste:", quelle.FilmWuensche, 4);
  if (quelle.SpieleSichtbar) Abschnitt(zeilen, "Spieleliste:", quelle.DatBas.Spiele(), 4);
  if (!quelle.SpielWuensche.empty()) Abschnitt(zeilen, "Spiele: Wunschliste:", quelle.SpielWuensche, 4);
  // The footer's spacer lines follow the lendings directly.
  if (!quelle.Verleih.empty()) Abschnitt(zeilen, "Verliehen:", quelle.Verleih, 0);
  Fusszeilen(zeilen);
}
