#include "widgets/Zugangsnamen.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

constexpr const char* ZweckEigenschaft = "zugangsZweck";

// A combo box spoken by its accessible name, or else by its label, and by its
// value only where it has neither; otherwise as Qt's own: the drop-down list
// and the edit as children, opening the list as its action.
class TKombiZugang final : public QAccessibleWidget {
public:
  explicit TKombiZugang(QComboBox* kombi) : QAccessibleWidget(kombi, QAccessible::ComboBox) {}

  int childCount() const override { return Kombi()->lineEdit() != nullptr ? 2 : 1; }

  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Kombi()->view());
    if (index == 1 && Kombi()->lineEdit() != nullptr)
      return QAccessible::queryAccessibleInterface(Kombi()->lineEdit());
    return nullptr;
  }

  int indexOfChild(const QAccessibleInterface* kind) const override {
    if (kind->object() == Kombi()->view()) return 0;
    if (kind->object() != nullptr && kind->object() == Kombi()->lineEdit()) return 1;
    return -1;
  }

  QString text(QAccessible::Text art) const override {
    if (art == QAccessible::Value) return Kombi()->currentText();
    const QString text = QAccessibleWidget::text(art);
    if (art == QAccessible::Name && text.isEmpty()) return Kombi()->currentText();
    return text;
  }

  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << showMenuAction();
  }

  void doAction(const QString& aktion) override {
    if (aktion != showMenuAction()) return QAccessibleWidget::doAction(aktion);
    if (Kombi()->view()->isVisible())
      Kombi()->hidePopup();
    else
      Kombi()->showPopup();
  }

private:
  QComboBox* Kombi() const { return static_cast<QComboBox*>(object()); }
};

// A label that shows a number, spoken with what the number counts.
class TWertZugang final : public QAccessibleWidget {
public:
  explicit TWertZugang(QLabel* wert) : QAccessibleWidget(wert, QAccessible::StaticText) {}

  QString text(QAccessible::Text art) const override {
    const auto* wert = static_cast<const QLabel*>(object());
    if (art == QAccessible::Name)
      return wert->property(ZweckEigenschaft).toString() + QStringLiteral(": ") + wert->text();
    return QAccessibleWidget::text(art);
  }
};

QAccessibleInterface* Zugang(const QString& klasse, QObject* objekt) {
  if (klasse == QLatin1String("QComboBox")) return new TKombiZugang(static_cast<QComboBox*>(objekt));
  if (klasse == QLatin1String("QLabel") && objekt->property(ZweckEigenschaft).isValid())
    return new TWertZugang(static_cast<QLabel*>(objekt));
  return nullptr;
}

}  // namespace

namespace Zugangsnamen {

// Qt asks the factories installed last first, before its own.
void Einrichten() {
  static const bool eingerichtet = (QAccessible::installFactory(&Zugang), true);
  Q_UNUSED(eingerichtet);
}

void BenenneKombi(QComboBox* kombi, const QString& name) {
  kombi->setAccessibleName(name);
  if (QLineEdit* feld = kombi->lineEdit()) feld->setAccessibleName(name);
  BenenneFlaeche(kombi->view(), name);
}

void BenenneWert(QLabel* wert, const QString& zweck) {
  wert->setProperty(ZweckEigenschaft, zweck);
}

void BenenneFlaeche(QAbstractScrollArea* flaeche, const QString& name) {
  flaeche->setAccessibleName(name);
  flaeche->verticalScrollBar()->setAccessibleName(name + QStringLiteral(": senkrecht blättern"));
  flaeche->horizontalScrollBar()->setAccessibleName(name + QStringLiteral(": waagerecht blättern"));
}

}  // namespace Zugangsnamen
