#include "windows/FFDetailansicht.h"

#include "platform/Aussehen.h"

TFDetailansicht::TFDetailansicht(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Detailansicht :"), 867, 189, true) {
  Aussehen::Fensterfarben(this, Aussehen::Detailfarbe, Qt::black);
}
