#include "windows/FFSuche.h"

TFSuche::TFSuche(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Scheibwart - Suche"), 907, 673, true) {}
