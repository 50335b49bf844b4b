#pragma once
// The search window: finds the films or the games whose chosen field contains
// a text and lists them with their positions in the collection.

#include "model/USammlungsart.h"
#include "model/USuche.h"
#include "windows/Nebenfenster.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class TDatBas;
class TDialoge;
class TTabellenraster;

class TFSuche : public TNebenfenster {
  Q_OBJECT
public:
  TFSuche(QWidget* hauptfenster, const TDatBas& datBas, TDialoge& dialoge);

  QGroupBox* GroupBox3;
  QRadioButton* RBWoFilm;
  QRadioButton* RBWoSpiel;
  QGroupBox* GroupBox1;
  QRadioButton* RBName;
  QRadioButton* RBFormat;
  QRadioButton* RBGenre;
  QRadioButton* RBKomment;
  QGroupBox* GroupBox2;
  QLabel* Label1;
  QLineEdit* ESuchtext;
  QToolButton* SBSuchestarten;
  QGroupBox* GroupBox4;
  TTabellenraster* SGTab;
  QPushButton* SpeedButton1;

  // Empties the result grid (its column count stays) and puts the window on
  // the main window's top-left corner; runs on every showing and search.
  void FormShow();
  void SBSuchestartenClick();
  void SpeedButton1Click();

protected:
  void showEvent(QShowEvent* ereignis) override;

private:
  void Suche(TSammlungsart art);
  TSuchfeld GewaehltesFeld() const;

  const TDatBas& DatBas;
  TDialoge& Dialoge;
};
