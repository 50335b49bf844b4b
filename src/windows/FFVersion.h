#pragma once
// The version history window: what changed in each release, newest first.

#include "windows/Nebenfenster.h"

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

class TFVersion : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFVersion(QWidget* hauptfenster);

  QGroupBox* GroupBox1;
  QPlainTextEdit* Memo1;  // keeps its scroll position between openings
  QPushButton* SpeedButton1;

  void SpeedButton1Click();
};
