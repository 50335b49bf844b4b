#include "export/UTextReport.h"

#include "export/Programmangaben.h"
#include "export/UDatensaetze.h"
#include "model/UZeilentext.h"

namespace {

using TZeilen = std::vector<std::string>;

void Abstaende(TZeilen& zeilen, std::size_t anzahl) { zeilen.insert(zeilen.end(), anzahl, " "); }

// The heading between blanks, underlined by as many asterisks, a spacer line,
// every entry behind a blank, and the spacer lines that end the section.
void Abschnitt(TZeilen& zeilen, const std::string& titel, const TZeilen& eintraege,
               std::size_t abstaende) {
  zeilen.push_back(" " + titel + " ");
  zeilen.push_back(" " + std::string(titel.size(), '*') + " ");
  Abstaende(zeilen, 1);
  for (const std::string& eintrag : eintraege) zeilen.push_back(" " + eintrag);
  Abstaende(zeilen, abstaende);
}

void Fusszeilen(TZeilen& zeilen) {
  Abstaende(zeilen, 2);
  zeilen.push_back(" " + std::string(42, '_') + " ");
  zeilen.push_back(" Diese CD-Lite wurde mit: Scheibwart v0.1b");
  zeilen.push_back(" Programmiert von: " + Programmangaben::Autor + " [" +
                   Programmangaben::Homepage + " ]");
  zeilen.push_back(" " + std::string(57, '\xAF') + " ");  // macrons
  Abstaende(zeilen, 2);
}

}  // namespace

std::vector<std::string> TextReportZeilen(const TExportQuelle& quelle) {
  TZeilen zeilen;
  Abstaende(zeilen, 1);
  if (quelle.FilmeSichtbar) {
    TZeilen filme;
    for (const TFilmRec& film : quelle.DatBas.Filme()) filme.push_back(FilmRowText(film));
    Abschnitt(zeilen, "Filmliste:", filme, 4);
  }
  if (!quelle.FilmWuensche.empty())
    Abschnitt(zeilen, "Filme: Wunschliste:", quelle.FilmWuensche, 4);
  if (quelle.SpieleSichtbar) {
    TZeilen spiele;
    for (const TSpielRec& spiel : quelle.DatBas.Spiele()) spiele.push_back(SpielRowText(spiel));
    Abschnitt(zeilen, "Spieleliste:", spiele, 4);
  }
  if (!quelle.SpielWuensche.empty())
    Abschnitt(zeilen, "Spiele: Wunschliste:", quelle.SpielWuensche, 4);
  // The footer's spacer lines follow the lendings directly.
  if (!quelle.Verleih.empty()) Abschnitt(zeilen, "Verliehen:", quelle.Verleih, 0);
  Fusszeilen(zeilen);
  return zeilen;
}
