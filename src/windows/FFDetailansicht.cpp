#include "windows/FFDetailansicht.h"

TFDetailansicht::TFDetailansicht(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Detailansicht :"), 867, 189, true) {}
