#include "windows/Nebenfenster.h"

#include "platform/Aussehen.h"

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
