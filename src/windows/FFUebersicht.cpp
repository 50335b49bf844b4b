#include "windows/FFUebersicht.h"

#include "widgets/Befehlsschutz.h"
#include "widgets/Cp1252.h"
#include "widgets/Dialoge.h"
#include "widgets/Zugangsnamen.h"
#include "windows/FFDetailansicht.h"
#include "windows/Tabellenraster.h"

#include <QPushButton>

TFUebersicht::TFUebersicht(QWidget* hauptfenster, const TDatBas& datBas, TDialoge& dialoge)
    : TNebenfenster(hauptfenster, QStringLiteral("Scheibwart - Tabellansicht"), 907, 673, true,
                    TPlatz::EigeneRegel),
      DatBas(datBas),
      Dialoge(dialoge) {
  setObjectName(QStringLiteral("FUebersicht"));
  SGTab = new TTabellenraster(this, "SGTab", 16, 16, 873, 613);
  Zugangsnamen::BenenneFlaeche(SGTab, QStringLiteral("Tabellansicht"));
  SpeedButton1 = SchliessenKnopf("SpeedButton1", 16, 640, 873, 22, false);

  connect(SpeedButton1, &QPushButton::clicked, this,
          Geschuetzt(Dialoge, this, &TFUebersicht::SpeedButton1Click));
  // Only a double-click opens the detail view, never a key; a double-click on
  // the header row or below the last row reaches no data row and opens nothing.
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

void TFUebersicht::SGTabDblClick() {
  const int zeile = SGTab->GewaehlteZeile();
  if (zeile < 1) return;
  const bool filme = windowTitle() == VonCp1252(UebersichtTitel(TSammlungsart::Filme));
  Detailansicht->Fuelle(filme ? TSammlungsart::Filme : TSammlungsart::Spiele, zeile,
                        SGTab->Tabelle().Zeile(zeile));
  Detailansicht->move(frameGeometry().topLeft() + QPoint(19, 36));
  Detailansicht->ShowModal();
}
