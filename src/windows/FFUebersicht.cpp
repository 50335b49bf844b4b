#include "windows/FFUebersicht.h"

#include "widgets/Befehlsschutz.h"
#include "widgets/Cp1252.h"
#include "widgets/Dialoge.h"
#include "widgets/Tastknopf.h"
#include "widgets/Zugangsnamen.h"
#include "windows/FFDetailansicht.h"
#include "windows/Tabellenraster.h"

#include <QKeyEvent>
#include <QPushButton>

TFUebersicht::TFUebersicht(QWidget* hauptfenster, const TDatBas& datBas, TDialoge& dialoge)
    : TNebenfenster(hauptfenster, QStringLiteral("Scheibwart - Tabellansicht"), 907, 673, true,
                    TPlatz::EigeneRegel),
      DatBas(datBas),
      Dialoge(dialoge) {
  setObjectName(QStringLiteral("FUebersicht"));
  SGTab = new TTabellenraster(this, "SGTab", 16, 16, 873, 613);
  Zugangsnamen::BenenneFlaeche(SGTab, QStringLiteral("Tabellansicht"));
  // The window's one field: the Tab key reaches it, and it has the focus
  // when the window opens.
  SGTab->setFocusPolicy(Qt::StrongFocus);
  SGTab->installEventFilter(this);
  SpeedButton1 = SchliessenKnopf("SpeedButton1", 16, 640, 873, 22, false);

  connect(SpeedButton1, &QPushButton::clicked, this,
          Geschuetzt(Dialoge, this, &TFUebersicht::SpeedButton1Click));
  // A double-click opens the detail view, and so does Return on a row; a
  // double-click on the header row or below the last row opens nothing.
  connect(SGTab, &QAbstractItemView::doubleClicked, this,
          Geschuetzt(Dialoge, this, &TFUebersicht::SGTabDblClick));
}

bool TFUebersicht::Fuelle(TSammlungsart art) {
  const bool filme = art == TSammlungsart::Filme;
  if ((filme ? DatBas.FilmCount() : DatBas.SpielCount()) <= 0) {
    Dialoge.Meldung(parentWidget(), QStringLiteral("Fehler"),
                    filme ? QStringLiteral("Es sind keine Filme eingetragen!")
                          : QStringLiteral("Es sind keine Spiele eingetragen!"),
                    TKnoepfe::Ok, TSymbol::Ausrufezeichen);
    return false;
  }
  setWindowTitle(VonCp1252(UebersichtTitel(art)));
  SGTab->Zeige(Uebersicht(DatBas, art));
  return true;
}

const TRaster& TFUebersicht::Tabelle() const { return SGTab->Tabelle(); }

void TFUebersicht::showEvent(QShowEvent* ereignis) {
  TNebenfenster::showEvent(ereignis);
  FormShow();
}

// The first showing is centred over the main window, as every dialog is;
// from then on the overview opens on the main window's top-left corner.
void TFUebersicht::FormShow() {
  if (Gezeigt) AufHauptfensterEcke();
  Gezeigt = true;
}

void TFUebersicht::SpeedButton1Click() { close(); }

// Return or Enter in the grid opens its current row, selected as a click
// selects it.
bool TFUebersicht::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != SGTab || ereignis->type() != QEvent::KeyPress)
    return TNebenfenster::eventFilter(objekt, ereignis);
  const auto* taste = static_cast<QKeyEvent*>(ereignis);
  if (!Tastknopf::IstKlicktaste(*taste)) return false;
  if (!taste->isAutoRepeat()) {
    if (const QModelIndex zeile = SGTab->currentIndex(); zeile.isValid()) SGTab->selectRow(zeile.row());
    Befehlsschutz(Dialoge, this, [this] { SGTabDblClick(); });
  }
  return true;
}

void TFUebersicht::SGTabDblClick() {
  const int zeile = SGTab->GewaehlteZeile();
  if (zeile < 1) return;
  const bool filme = windowTitle() == VonCp1252(UebersichtTitel(TSammlungsart::Filme));
  Detailansicht->Fuelle(filme ? TSammlungsart::Filme : TSammlungsart::Spiele, zeile,
                        SGTab->Tabelle().Zeile(zeile));
  Detailansicht->move(frameGeometry().topLeft() + QPoint(19, 36));
  Detailansicht->ShowModal();
}
