// The two toggles that hide and show parts of the main window by changing its
// size: the lending list with the statistics, and the two wish lists.

#include "main/Hauptformular.h"

#include "widgets/ListBox.h"

#include <QAction>
#include <QMenuBar>

namespace {

// The window sizes of the toggles are outer sizes with a frame of 8 pixels
// across and 46 down; they change the client area by the same amounts.
constexpr int RahmenBreite = 915 - TFHaupt::ClientBreite;
constexpr int RahmenHoehe = 700 - TFHaupt::ClientHoehe;

void InTabFolge(TListBox* liste, bool drin) {
  liste->setFocusPolicy(drin ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

void TFHaupt::SetzeClientgroesse(int breite, int hoehe) {
  setFixedSize(breite, menuBar()->sizeHint().height() + hoehe);
}

void TFHaupt::ToolButtonVerleihListeClick() {
  const int hoehe = height() - menuBar()->sizeHint().height();
  const bool sichtbar = width() + RahmenBreite > 900;
  SetzeClientgroesse((sichtbar ? 645 : 915) - RahmenBreite, hoehe);
  InTabFolge(LBVerleih, !sichtbar);
  VerleihListeanzeigen->setChecked(!VerleihListeanzeigen->isChecked());
  if (LBVerleih->hasFocus()) LBFilme->setFocus();
}

void TFHaupt::VerleihListeanzeigenClick() { ToolButtonVerleihListeClick(); }

void TFHaupt::ToolButtonFilmeSpieleWausblendenClick() {
  const int hoehe = height() - menuBar()->sizeHint().height();
  const bool sichtbar = hoehe + RahmenHoehe > 680;
  SetzeClientgroesse(width(), (sichtbar ? 500 : 700) - RahmenHoehe);
  InTabFolge(LBFilmeW, !sichtbar);
  InTabFolge(LBSpieleW, !sichtbar);
  WunschlistefrFilmeSpieleanzeigen1->setChecked(!WunschlistefrFilmeSpieleanzeigen1->isChecked());
  if (LBFilmeW->hasFocus()) LBFilme->setFocus();
  if (LBSpieleW->hasFocus()) LBSpiele->setFocus();
}

void TFHaupt::WunschlistefrFilmeSpieleanzeigen1Click() { ToolButtonFilmeSpieleWausblendenClick(); }
