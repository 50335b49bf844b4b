#pragma once
// The options window: the two settings flags as check boxes and the default
// folders of the collection file dialogs. Every change is written to the
// settings file at once.

#include "windows/Nebenfenster.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class TDialoge;
class TFHaupt;

class TFOptionen : public TNebenfenster {
  Q_OBJECT
public:
  TFOptionen(TFHaupt& haupt, TDialoge& dialoge);

  QGroupBox* GroupBox2;
  QLabel* Label2;
  QToolButton* SpeedButton2;
  QLabel* Label3;
  QToolButton* SpeedButton3;
  QCheckBox* CBmerken;
  QGroupBox* GroupBox1;
  QCheckBox* CBload;
  QPushButton* SpeedButton4;

  void SpeedButton2Click();
  void SpeedButton3Click();
  void CBmerkenClick();
  void CBloadClick();
  void SpeedButton4Click();

  // Sets a check box from the program. A change of its state runs its click
  // handler, as the user's click does; what the handler throws is passed on.
  void Setze(QCheckBox* haken, bool an);

private:
  TFHaupt& Haupt;
  TDialoge& Dialoge;
};
