#pragma once
// The search window.

#include "windows/Nebenfenster.h"

class TFSuche : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFSuche(QWidget* hauptfenster);
};
