#pragma once
// The table overview of all films or all games.

#include "windows/Nebenfenster.h"

class TFUebersicht : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFUebersicht(QWidget* hauptfenster);
};
