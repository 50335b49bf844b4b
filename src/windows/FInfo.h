#pragma once
// The program information window.

#include "windows/Nebenfenster.h"

class TFFInfo : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFFInfo(QWidget* hauptfenster);
};
