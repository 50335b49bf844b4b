#pragma once
// The options window: the two settings flags and the default folders.

#include "windows/Nebenfenster.h"

class TFOptionen : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFOptionen(QWidget* hauptfenster);
};
