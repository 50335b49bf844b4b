#include "windows/FFUebersicht.h"

TFUebersicht::TFUebersicht(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Scheibwart - Tabellansicht"), 907, 673, true) {}
