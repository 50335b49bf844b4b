#include "windows/FFTastaturkuerzel.h"

TFTastaturkuerzel::TFTastaturkuerzel(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Übersicht: Tastaturkürzel"), 337, 421, true) {}
