#include "windows/FInfo.h"

TFFInfo::TFFInfo(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Information über Scheibwart"), 381, 240, false) {}
