#include "widgets/Aussehen.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>
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

void Fensterfarben(QWidget* widget, const QColor& hintergrund, const QColor& text) {
  QPalette farben = widget->palette();
  farben.setColor(QPalette::Window, hintergrund);
  farben.setColor(QPalette::WindowText, text);
  farben.setColor(QPalette::ButtonText, text);
  farben.setColor(QPalette::Button, hintergrund);
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

QIcon SchliessenSymbol() {
  QPixmap bild(16, 16);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setPen(QPen(QColor(120, 0, 0), 1));
  maler.setBrush(QColor(210, 20, 20));
  maler.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  maler.fillRect(QRectF(3.5, 6.5, 9, 3), Qt::white);
  return QIcon(bild);
}

}  // namespace Aussehen
