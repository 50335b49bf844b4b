// The film and game list boxes: rebuilding them from the store and showing
// the selected record in the edits.

#include "main/Hauptformular.h"

#include "model/UZeilentext.h"
#include "platform/Cp1252.h"
#include "platform/ListBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <type_traits>

namespace {

// Clears the list box and appends the row text of records 1 to anzahl.
template <class TRec, class TGet>
void Fuelle(TListBox* liste, int anzahl, TGet get) {
  QStringList zeilen;
  zeilen.reserve(anzahl);
  TRec rec;
  for (int i = 1; i <= anzahl; ++i) {
    get(i, rec);
    if constexpr (std::is_same_v<TRec, TFilmRec>)
      zeilen << VonCp1252(FilmRowText(rec));
    else
      zeilen << VonCp1252(SpielRowText(rec));
  }
  liste->Clear();
  liste->addItems(zeilen);
}

}  // namespace

TFHaupt::TPanel TFHaupt::FilmPanel() {
  return {LBFilme, EFFilm, LBFilmNum,
          {SBFilmchange, SBFilmdel, SBFilmup, SBFilmdown, SBFilmVerleih},
          &TFHaupt::FuelleFilmliste, &TFHaupt::LBFilmeClick};
}

TFHaupt::TPanel TFHaupt::SpielPanel() {
  return {LBSpiele, ESSpiel, LBSpielNum,
          {SBSpielchange, SBSpieldel, SBSpielup, SBSpieldown, SBSpielVerleih},
          &TFHaupt::FuelleSpielliste, &TFHaupt::LBSpieleClick};
}

void TFHaupt::Freigeben(const TPanel& panel, bool an) {
  for (QToolButton* knopf : panel.Knoepfe) knopf->setEnabled(an);
}

void TFHaupt::FuelleFilmliste() {
  Fuelle<TFilmRec>(LBFilme, DatBas->FilmCount(),
                   [this](int i, TFilmRec& film) { DatBas->GetFilm(i, film); });
}

void TFHaupt::FuelleSpielliste() {
  Fuelle<TSpielRec>(LBSpiele, DatBas->SpielCount(),
                    [this](int i, TSpielRec& spiel) { DatBas->GetSpiel(i, spiel); });
}

void TFHaupt::LBFilmeClick() {
  const int k = LBFilme->ItemIndex();
  if (k >= 0) {
    TFilmRec film;
    DatBas->GetFilm(k + 1, film);
    EFFilm->setText(VonCp1252(film.Name));
    EFCDAnzahl->setText(VonCp1252(film.CDAnzahl));
    EFCDFormat->setEditText(VonCp1252(film.CDFormat));
    EFGenre->setEditText(VonCp1252(film.Genre));
    EFKommentar->setText(VonCp1252(film.Kommentar));
  }
  LBFilmNum->setText(QString::number(k + 1));
}

void TFHaupt::LBSpieleClick() {
  const int k = LBSpiele->ItemIndex();
  if (k >= 0) {
    TSpielRec spiel;
    DatBas->GetSpiel(k + 1, spiel);
    ESSpiel->setText(VonCp1252(spiel.Name));
    ESCDAnzahl->setText(VonCp1252(spiel.CDAnzahl));
    ESGenre->setEditText(VonCp1252(spiel.Genre));
    ESKommentar->setText(VonCp1252(spiel.Kommentar));
  }
  LBSpielNum->setText(QString::number(k + 1));
}
