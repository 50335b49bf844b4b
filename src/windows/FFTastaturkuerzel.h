#pragma once
// The overview of the keyboard shortcuts: the commands on the left, their
// keys beside them on the right, line by line.

#include "windows/Nebenfenster.h"

class QPlainTextEdit;
class QPushButton;

class TFTastaturkuerzel : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFTastaturkuerzel(QWidget* hauptfenster);

  QPlainTextEdit* Memo1;  // the commands, each followed by a run of full stops
  QPlainTextEdit* Memo2;  // the keys
  QPushButton* SpeedButton1;

  void SpeedButton1Click();
};
