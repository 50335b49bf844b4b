#pragma once
// The table overview of all films or all games, one row per record; a
// double-click on a row, or Return on it, shows it in the detail view.

#include "export/UTabelle.h"
#include "model/USammlungsart.h"
#include "windows/Nebenfenster.h"

class QPushButton;
class TDatBas;
class TDialoge;
class TFDetailansicht;
class TTabellenraster;

class TFUebersicht : public TNebenfenster {
  Q_OBJECT
public:
  TFUebersicht(QWidget* hauptfenster, const TDatBas& datBas, TDialoge& dialoge);

  TTabellenraster* SGTab;
  QPushButton* SpeedButton1;

  // Fills the overview with every film or every game and sets its caption;
  // the window is not shown. With an empty collection it says so, keeps its
  // old contents and returns false.
  bool Fuelle(TSammlungsart art);
  // What the grid shows, headings in row 0.
  const TRaster& Tabelle() const;

  void FormShow();
  void SpeedButton1Click();
  void SGTabDblClick();

  // The detail view is made after the overview and hooks itself on here.
  void SetzeDetailansicht(TFDetailansicht& detailansicht) { Detailansicht = &detailansicht; }

protected:
  void showEvent(QShowEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
  const TDatBas& DatBas;
  TDialoge& Dialoge;
  TFDetailansicht* Detailansicht = nullptr;
  bool Gezeigt = false;
};
