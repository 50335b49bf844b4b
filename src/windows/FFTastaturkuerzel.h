#pragma once
// The overview of the keyboard shortcuts.

#include "windows/Nebenfenster.h"

class TFTastaturkuerzel : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFTastaturkuerzel(QWidget* hauptfenster);
};
