// The film and game list boxes: views of the store, and the selected record
// shown in the edits.

#include "main/Hauptformular.h"

#include "main/Sammlungszeilen.h"
#include "model/UZeilentext.h"
#include "widgets/Bauteile.h"
#include "widgets/Cp1252.h"
#include "widgets/ListBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using Bauteile::ZeigeText;

TFHaupt::TPanel TFHaupt::FilmPanel() {
  return {LBFilme, EFFilm, LBFilmNum,
          {SBFilmchange, SBFilmdel, SBFilmup, SBFilmdown, SBFilmVerleih},
          FilmZeilen, &TFHaupt::LBFilmeClick};
}

TFHaupt::TPanel TFHaupt::SpielPanel() {
  return {LBSpiele, ESSpiel, LBSpielNum,
          {SBSpielchange, SBSpieldel, SBSpielup, SBSpieldown, SBSpielVerleih},
          SpielZeilen, &TFHaupt::LBSpieleClick};
}

void TFHaupt::Freigeben(const TPanel& panel, bool an) {
  for (QToolButton* knopf : panel.Knoepfe) knopf->setEnabled(an);
}

void TFHaupt::ZeigeStore() {
  FilmZeilen = new TSammlungszeilen([this] { return DatBas->FilmCount(); },
                                    [this](int r) { return FilmRowText(DatBas->Filme()[r]); }, this);
  SpielZeilen = new TSammlungszeilen([this] { return DatBas->SpielCount(); },
                                     [this](int r) { return SpielRowText(DatBas->Spiele()[r]); }, this);
  LBFilme->SetzeModell(FilmZeilen);
  LBSpiele->SetzeModell(SpielZeilen);
}

void TFHaupt::LBFilmeClick() {
  const int k = LBFilme->ItemIndex();
  if (k >= 0) {
    TFilmRec film;
    DatBas->GetFilm(k + 1, film);
    ZeigeText(EFFilm, VonCp1252(film.Name));
    ZeigeText(EFCDAnzahl, VonCp1252(film.CDAnzahl));
    ZeigeText(EFCDFormat, VonCp1252(film.CDFormat));
    ZeigeText(EFGenre, VonCp1252(film.Genre));
    ZeigeText(EFKommentar, VonCp1252(film.Kommentar));
  }
  LBFilmNum->setText(QString::number(k + 1));
}

void TFHaupt::LBSpieleClick() {
  const int k = LBSpiele->ItemIndex();
  if (k >= 0) {
    TSpielRec spiel;
    DatBas->GetSpiel(k + 1, spiel);
    ZeigeText(ESSpiel, VonCp1252(spiel.Name));
    ZeigeText(ESCDAnzahl, VonCp1252(spiel.CDAnzahl));
    ZeigeText(ESGenre, VonCp1252(spiel.Genre));
    ZeigeText(ESKommentar, VonCp1252(spiel.Kommentar));
  }
  LBSpielNum->setText(QString::number(k + 1));
}
