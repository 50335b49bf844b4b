#pragma once
// The detail view of one row of the table overview.

#include "windows/Nebenfenster.h"

class TFDetailansicht : public TNebenfenster {
  Q_OBJECT
public:
  explicit TFDetailansicht(QWidget* hauptfenster);
};
