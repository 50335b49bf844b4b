#include "windows/Nebenfenster.h"

#include "widgets/Aussehen.h"
#include "widgets/Bauteile.h"
#include "widgets/Tastknopf.h"

#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

TNebenfenster::TNebenfenster(QWidget* hauptfenster, const QString& titel, int breite, int hoehe,
                             bool minimieren, TPlatz platz)
    : QDialog(hauptfenster), Platz(platz) {
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
  auto* knopf = Bauteile::Erzeuge<TTastknopf<QPushButton>>(this, name, links, oben, breite, hoehe);
  knopf->setText(QStringLiteral("Fenster schliessen"));
  if (symbol) knopf->setIcon(Aussehen::SchliessenSymbol());
  knopf->setFlat(true);
  knopf->setAutoDefault(false);  // Return in a field closes nothing
  Aussehen::Handzeiger(knopf);
  return knopf;
}

void TNebenfenster::AufHauptfensterEcke() {
  const QWidget* haupt = parentWidget()->window();
  QPoint rand = geometry().topLeft() - frameGeometry().topLeft();
  if (rand.isNull()) rand = haupt->geometry().topLeft() - haupt->frameGeometry().topLeft();
  setGeometry(QRect(haupt->frameGeometry().topLeft() + rand, size()));
}

// QDialog centres a window over its owner at every showing unless the
// program itself moved it; a move by the user through the window manager
// does not count. So the place is kept here at every hiding and given back
// at the next showing: the corner of the client area, which stays put
// whether or not the size of the frame is known at that moment.
void TNebenfenster::showEvent(QShowEvent* ereignis) {
  QDialog::showEvent(ereignis);  // the first time: centred over the main window
  if (ereignis->spontaneous()) return;
  if (Platz != TPlatz::EigeneRegel) {
    if (LetzterPlatz) {
      setGeometry(QRect(*LetzterPlatz, size()));
    } else if (Platz == TPlatz::Bildschirmmitte) {
      if (const QScreen* bildschirm = screen()) {
        QRect platz = frameGeometry();
        platz.moveCenter(bildschirm->availableGeometry().center());
        move(platz.topLeft());
      }
    }
  }
  Soll = geometry().topLeft();
}

void TNebenfenster::hideEvent(QHideEvent* ereignis) {
  if (!ereignis->spontaneous()) {
    LetzterPlatz = geometry().topLeft();
    Soll.reset();
  }
  QDialog::hideEvent(ereignis);
}

// Some window managers put a modal window that is shown again somewhere
// else than asked, lower by the height of its title bar (IceWM, for one):
// it would wander down at every opening. Their placement arrives as the
// first move that the program did not make; a window not where the program
// put it is moved there once, now that it is on the screen, where such a
// move is obeyed. Later moves are the user's.
void TNebenfenster::moveEvent(QMoveEvent* ereignis) {
  QDialog::moveEvent(ereignis);
  if (!Soll) return;
  if (!ereignis->spontaneous()) {
    Soll = geometry().topLeft();  // a window that places itself has moved
    return;
  }
  const QPoint soll = *Soll;
  Soll.reset();
  if (geometry().topLeft() != soll) setGeometry(QRect(soll, size()));
}

bool TNebenfenster::event(QEvent* ereignis) {
  if (ereignis->type() == QEvent::Paint) Soll.reset();  // placed as asked
  return QDialog::event(ereignis);
}
