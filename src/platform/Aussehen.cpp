#include "platform/Aussehen.h"

#include <QPalette>
#include <QWidget>

namespace Aussehen {

namespace {

QFont Schrift(const QStringList& familien, bool fett) {
  QFont schrift;
  schrift.setFamilies(familien);
  schrift.setPointSize(8);
  schrift.setBold(fett);
  return schrift;
}

}  // namespace

QFont SansSerif(bool fett) {
  return Schrift({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                  QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
                 fett);
}

QFont Verdana(bool fett) {
  return Schrift({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, fett);
}

void Fensterfarben(QWidget* widget) {
  QPalette farben = widget->palette();
  farben.setColor(QPalette::Window, Fensterfarbe);
  farben.setColor(QPalette::WindowText, Qt::white);
  farben.setColor(QPalette::ButtonText, Qt::white);
  farben.setColor(QPalette::Button, Fensterfarbe);
  farben.setColor(QPalette::Disabled, QPalette::ButtonText, Grautext);
  farben.setColor(QPalette::Disabled, QPalette::WindowText, Grautext);
  widget->setPalette(farben);
  widget->setAutoFillBackground(true);
}

void Feldfarben(QWidget* feld, const QColor& text) {
  QPalette farben = feld->palette();
  farben.setColor(QPalette::Base, Feldfarbe);
  farben.setColor(QPalette::Text, text);
  farben.setColor(QPalette::Button, Feldfarbe);
  farben.setColor(QPalette::ButtonText, text);
  farben.setColor(QPalette::WindowText, text);
  feld->setPalette(farben);
}

void Handzeiger(QWidget* widget) { widget->setCursor(Qt::PointingHandCursor); }

}  // namespace Aussehen
