#pragma once
// The version history window.

#include "windows/Nebenfenster.h"

class TFVersion : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFVersion(QWidget* hauptfenster);
};
