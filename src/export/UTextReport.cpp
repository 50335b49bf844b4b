#include "export/UTextReport.h"

#include "export/Programmangaben.h"
#include "model/UZeilentext.h"

namespace {

void Abstaende(TZeilenZiel& zeilen, std::size_t anzahl) {
  for (; anzahl > 0; --anzahl) zeilen.Zeile(" ");
}

// The heading between blanks, underlined by as many asterisks, a spacer line,
// every entry's text behind a blank, and the spacer lines that end the section.
template <class TEintraege, class TText>
void Abschnitt(TZeilenZiel& zeilen, const std::string& titel, const TEintraege& eintraege, TText text,
               std::size_t abstaende) {
  zeilen.Zeile(" " + titel + " ");
  zeilen.Zeile(" " + std::string(titel.size(), '*') + " ");
  Abstaende(zeilen, 1);
  for (const auto& eintrag : eintraege) zeilen.Zeile({" ", text(eintrag)});
  Abstaende(zeilen, abstaende);
}

const std::string& Selbst(const std::string& eintrag) { return eintrag; }

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
  if (quelle.FilmeSichtbar)
    Abschnitt(zeilen, "Filmliste:", quelle.DatBas.Filme(), [](const TFilmRec& f) { return FilmRowText(f); }, 4);
  if (!quelle.FilmWuensche.empty()) Abschnitt(zeilen, "Filme: Wunschliste:", quelle.FilmWuensche, Selbst, 4);
  if (quelle.SpieleSichtbar)
    Abschnitt(zeilen, "Spieleliste:", quelle.DatBas.Spiele(), [](const TSpielRec& s) { return SpielRowText(s); },
              4);
  if (!quelle.SpielWuensche.empty())
    Abschnitt(zeilen, "Spiele: Wunschliste:", quelle.SpielWuensche, Selbst, 4);
  // The footer's spacer lines follow the lendings directly.
  if (!quelle.Verleih.empty()) Abschnitt(zeilen, "Verliehen:", quelle.Verleih, Selbst, 0);
  Fusszeilen(zeilen);
}
