#include "widgets/Tastknopf.h"

#include <QPainter>
#include <QPen>

namespace Tastknopf {

bool IstKlicktaste(const QKeyEvent& taste) {
  const bool zeilenende = taste.key() == Qt::Key_Return || taste.key() == Qt::Key_Enter;
  return zeilenende && (taste.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void ZeichneFokusrahmen(QAbstractButton& knopf) {
  QPainter maler(&knopf);
  QPen stift(knopf.palette().color(QPalette::ButtonText), 1);
  stift.setDashPattern({1, 1});
  maler.setPen(stift);
  maler.setBrush(Qt::NoBrush);
  maler.drawRect(knopf.rect().adjusted(1, 1, -2, -2));
}

}  // namespace Tastknopf
