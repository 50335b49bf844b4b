#include "windows/FFVersion.h"

TFVersion::TFVersion(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Scheibwart Version 1.0"), 450, 266, true) {}
