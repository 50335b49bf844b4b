// The two toggles that hide and show parts of the main window by changing its
// size: the lending list with the statistics, and the two wish lists.

#include "main/Hauptformular.h"

#include "widgets/ListBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QMenuBar>

namespace {

// The window sizes of the toggles are outer sizes with a frame of 8 pixels
// across and 46 down; they change the client area by the same amounts.
constexpr int RahmenBreite = 915 - TFHaupt::ClientBreite;
constexpr int RahmenHoehe = 700 - TFHaupt::ClientHoehe;

int Clienthoehe(const TFHaupt& fenster) { return fenster.height() - fenster.menuBar()->sizeHint().height(); }

bool VerleihSichtbar(const TFHaupt& fenster) { return fenster.width() + RahmenBreite > 900; }
bool WunschlistenSichtbar(const TFHaupt& fenster) { return Clienthoehe(fenster) + RahmenHoehe > 680; }

// A hidden group box stays enabled, but its list and buttons leave the Tab
// order (the list still takes the focus from the program) and come back when
// it is shown. A control of it that has the focus hands it to ersatz.
void InTabFolge(QGroupBox* box, bool drin, QWidget* ersatz) {
  for (TListBox* liste : box->findChildren<TListBox*>())
    liste->setFocusPolicy(drin ? Qt::StrongFocus : Qt::ClickFocus);
  for (QAbstractButton* knopf : box->findChildren<QAbstractButton*>())
    knopf->setFocusPolicy(drin ? Qt::TabFocus : Qt::NoFocus);
  const QWidget* fokus = box->window()->focusWidget();
  if (!drin && fokus != nullptr && box->isAncestorOf(fokus)) ersatz->setFocus();
}

// The statistics lie below the lending list and beside the wish lists: either
// toggle hides them.
void PasseTabFolgeAn(TFHaupt& fenster, bool verleih, bool wunschlisten) {
  InTabFolge(fenster.GBVerleih, verleih, fenster.LBFilme);
  InTabFolge(fenster.GroupBox1, wunschlisten, fenster.LBFilme);
  InTabFolge(fenster.GroupBox3, wunschlisten, fenster.LBSpiele);
  InTabFolge(fenster.GBStatistik, verleih && wunschlisten, fenster.LBFilme);
}

}  // namespace

void TFHaupt::SetzeClientgroesse(int breite, int hoehe) {
  setFixedSize(breite, menuBar()->sizeHint().height() + hoehe);
}

void TFHaupt::ToolButtonVerleihListeClick() {
  const bool sichtbar = VerleihSichtbar(*this);
  SetzeClientgroesse((sichtbar ? 645 : 915) - RahmenBreite, Clienthoehe(*this));
  VerleihListeanzeigen->setChecked(!VerleihListeanzeigen->isChecked());
  PasseTabFolgeAn(*this, !sichtbar, WunschlistenSichtbar(*this));
}

void TFHaupt::VerleihListeanzeigenClick() { ToolButtonVerleihListeClick(); }

void TFHaupt::ToolButtonFilmeSpieleWausblendenClick() {
  const bool sichtbar = WunschlistenSichtbar(*this);
  SetzeClientgroesse(width(), (sichtbar ? 500 : 700) - RahmenHoehe);
  WunschlistefrFilmeSpieleanzeigen1->setChecked(!WunschlistefrFilmeSpieleanzeigen1->isChecked());
  PasseTabFolgeAn(*this, VerleihSichtbar(*this), !sichtbar);
}

void TFHaupt::WunschlistefrFilmeSpieleanzeigen1Click() { ToolButtonFilmeSpieleWausblendenClick(); }
