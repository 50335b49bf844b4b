#pragma once
// The detail view of one row of the table overview: the row's fields in full
// width, read-only. It closes on Escape or a click on its hint line.

#include "model/USammlungsart.h"
#include "windows/Nebenfenster.h"

#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class TFUebersicht;

class TFDetailansicht : public TNebenfenster {
  Q_OBJECT
public:
  // Shown over the overview, which it hooks itself onto.
  explicit TFDetailansicht(TFUebersicht& uebersicht);

  QGroupBox* GB;
  QLabel* Label1;
  QLineEdit* EName;
  QLabel* Label2;
  QLineEdit* ECDanzahl;
  QLabel* Label3;
  QLineEdit* ECDFormat;
  QLabel* Label4;
  QLineEdit* EGenre;
  QLabel* Label5;
  QLineEdit* EKommentar;
  QLabel* Label6;

  // Shows row zeile of the overview, its cells with the row number first, as
  // a film or as a game; a game has no CD format, so that field is greyed.
  void Fuelle(TSammlungsart art, int zeile, const std::vector<std::string>& zellen);

  // The fields leave every key to the window, so this serves them all:
  // Escape closes, any other key does nothing.
  void FormKeyPress(int taste);
  void Label6Click();

protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
