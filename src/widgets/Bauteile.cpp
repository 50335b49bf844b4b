#include "widgets/Bauteile.h"

#include "widgets/Tastknopf.h"
#include "widgets/Zugangsnamen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace Bauteile {

QGroupBox* Gruppe(QWidget* eltern, const char* name, const QString& titel, int links, int oben,
                  int breite, int hoehe, const QFont& schrift) {
  auto* gruppe = Erzeuge<QGroupBox>(eltern, name, links, oben, breite, hoehe);
  gruppe->setTitle(titel);
  gruppe->setFont(schrift);
  return gruppe;
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, int links, int oben,
                     const QFont& schrift, const char* name) {
  auto* label = new QLabel(text, eltern);
  if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
  label->setFont(schrift);
  label->move(links, oben);
  label->adjustSize();
  return label;
}

QLabel* Feldbeschriftung(QWidget* feld, const QString& text, int links, int oben,
                         const QFont& schrift, const char* name) {
  QLabel* label = Beschriftung(feld->parentWidget(), text, links, oben, schrift, name);
  label->setBuddy(feld);
  if (auto* kombi = qobject_cast<QComboBox*>(feld)) Zugangsnamen::BenenneKombi(kombi, text);
  return label;
}

void SetzeBreite(QWidget* control, int breite) {
  control->resize(std::max(breite, control->sizeHint().width()), control->height());
}

void ZeigeText(QLineEdit* feld, const QString& text) {
  feld->setText(text);
  feld->setCursorPosition(0);
}

void ZeigeText(QComboBox* kombi, const QString& text) {
  kombi->setEditText(text);
  if (QLineEdit* feld = kombi->lineEdit()) feld->setCursorPosition(0);
}

QString Gruppenname(const QGroupBox* gruppe) {
  QString name = gruppe->title().trimmed();
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  return name.trimmed();
}

void NenneZweck(QAbstractButton* knopf, const QString& zweck) {
  if (knopf->text().isEmpty())
    knopf->setAccessibleName(zweck);
  else
    knopf->setAccessibleDescription(zweck);
}

QToolButton* Knopf(QWidget* eltern, const char* name, const QString& text, int links, int oben,
                   int breite, int hoehe, const QFont& schrift) {
  auto* knopf = Erzeuge<TTastknopf<QToolButton>>(eltern, name, links, oben, breite, hoehe);
  knopf->setText(text);
  knopf->setFont(schrift);
  knopf->setAutoRaise(true);
  Aussehen::Handzeiger(knopf);
  return knopf;
}

QToolButton* Bildknopf(QWidget* eltern, const char* name, const QIcon& bild, int links, int oben,
                       int breite, int hoehe) {
  auto* knopf = Knopf(eltern, name, QString(), links, oben, breite, hoehe);
  knopf->setIcon(bild);
  knopf->setIconSize(QSize(16, 16));
  return knopf;
}

}  // namespace Bauteile
