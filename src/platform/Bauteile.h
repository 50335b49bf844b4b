#pragma once
// Controls at fixed places, as every window of the program lays them out:
// absolute geometry, the program's fonts, flat buttons with the hand cursor.

#include "platform/Aussehen.h"

#include <QString>

class QGroupBox;
class QIcon;
class QLabel;
class QToolButton;
class QWidget;

namespace Bauteile {

template <class TWidget>
TWidget* Erzeuge(QWidget* eltern, const char* name, int links, int oben, int breite, int hoehe) {
  auto* widget = new TWidget(eltern);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(links, oben, breite, hoehe);
  return widget;
}

QGroupBox* Gruppe(QWidget* eltern, const char* name, const QString& titel, int links, int oben,
                  int breite, int hoehe, const QFont& schrift = Aussehen::SansSerif());

// A label as wide as its text.
QLabel* Beschriftung(QWidget* eltern, const QString& text, int links, int oben,
                     const QFont& schrift = Aussehen::SansSerif(), const char* name = nullptr);

// A flat button with a caption; it takes no keyboard focus.
QToolButton* Knopf(QWidget* eltern, const char* name, const QString& text, int links, int oben,
                   int breite, int hoehe, const QFont& schrift = Aussehen::SansSerif(true));

// A flat picture button without caption.
QToolButton* Bildknopf(QWidget* eltern, const char* name, const QIcon& bild, int links, int oben,
                       int breite, int hoehe);

}  // namespace Bauteile
