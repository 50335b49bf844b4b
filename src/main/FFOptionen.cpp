#include "main/FFOptionen.h"

TFOptionen::TFOptionen(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Optionen"), 345, 316, false) {}
