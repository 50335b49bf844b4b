#pragma once
// The program information window: who is behind the program, with offers to
// write them a mail or to open the home page.

#include "export/Programmangaben.h"
#include "windows/Nebenfenster.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class TDialoge;
class TShell;
struct TUmgebung;

class TFFInfo : public TNebenfenster {
  Q_OBJECT
public:
  TFFInfo(QWidget* hauptfenster, const TUmgebung& umgebung);

  QGroupBox* GroupBox1;
  QToolButton* SpeedButton1;  // mail to the one who had the idea
  QToolButton* SpeedButton2;  // mail to the programmer, on the design row
  QToolButton* SpeedButton3;  // the same on the code row
  QToolButton* SpeedButton5;  // home page, on the design row
  QToolButton* SpeedButton6;  // the same on the code row
  QPushButton* SpeedButton4;

  void SpeedButton1Click();
  // SpeedButton3 runs this too.
  void SpeedButton2Click();
  // SpeedButton6 runs this too.
  void SpeedButton5Click();
  void SpeedButton4Click();

private:
  void BieteMailAn(const Programmangaben::TKontakt& kontakt);

  TDialoge& Dialoge;
  TShell& Shell;
  QString ProgrammOrdner;  // without its trailing separator
};
