#include "windows/Nebenfenster.h"

#include "platform/Aussehen.h"
#include "platform/Bauteile.h"

#include <QPushButton>

TNebenfenster::TNebenfenster(QWidget* hauptfenster, const QString& titel, int breite, int hoehe,
                             bool minimieren)
    : QDialog(hauptfenster) {
  Qt::WindowFlags rahmen = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (minimieren) rahmen |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(rahmen);
  setWindowTitle(titel);
  setFixedSize(breite, hoehe);
  setFont(Aussehen::SansSerif());
  Aussehen::Fensterfarben(this);
}

QPushButton* TNebenfenster::SchliessenKnopf(const char* name, int links, int oben, int breite,
                                            int hoehe, bool symbol) {
  auto* knopf = Bauteile::Erzeuge<QPushButton>(this, name, links, oben, breite, hoehe);
  knopf->setText(QStringLiteral("Fenster schliessen"));
  if (symbol) knopf->setIcon(Aussehen::SchliessenSymbol());
  knopf->setFlat(true);
  knopf->setAutoDefault(false);
  knopf->setFocusPolicy(Qt::NoFocus);
  Aussehen::Handzeiger(knopf);
  return knopf;
}
