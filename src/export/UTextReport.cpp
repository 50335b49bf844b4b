#include "export/UTextReport.h"

#include "export/Programmangaben.h"
#include "model/UZeilentext.h"

#include <algorithm>

namespace {

void Abstaende(TZeilenZiel& zeilen, std::size_t anzahl) {
  for (; anzahl > 0; --anzahl) zeilen.Zeile(" ");
}

// An entry's line: a blank, then the parts of the entry's text.
template <std::size_t N>
std::array<std::string_view, N + 1> Eingerueckt(const std::array<std::string_view, N>& teile) {
  std::array<std::string_view, N + 1> zeile{" "};
  std::copy(teile.begin(), teile.end(), zeile.begin() + 1);
  return zeile;
}
std::array<std::string_view, 1> Teile(const std::string& eintrag) { return {eintrag}; }
std::array<std::string_view, 6> Teile(const TFilmRec& film) {
  return FilmRowTeile(film.Name, film.CDAnzahl, film.CDFormat);
}
std::array<std::string_view, 4> Teile(const TSpielRec& spiel) { return SpielRowTeile(spiel.Name, spiel.Genre); }

// The heading between blanks, underlined by as many asterisks, a spacer line,
// every entry's line, and the spacer lines that end the section.
template <class TEintraege>
void Abschnitt(TZeilenZiel& zeilen, const std::string& titel, const TEintraege& eintraege, std::size_t abstaende) {
  zeilen.Zeile(" " + titel + " ");
  zeilen.Zeile(" " + std::string(titel.size(), '*') + " ");
  Abstaende(zeilen, 1);
  for (const auto& eintrag : eintraege) zeilen.Zeile(Eingerueckt(Teile(eintrag)));
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
