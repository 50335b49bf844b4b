#include "windows/Textflaeche.h"

#include "widgets/Aussehen.h"
#include "widgets/Bauteile.h"

#include <QPlainTextEdit>

QPlainTextEdit* Textflaeche(QWidget* eltern, const char* name, int links, int oben, int breite,
                            int hoehe, const QStringList& zeilen) {
  auto* text = Bauteile::Erzeuge<QPlainTextEdit>(eltern, name, links, oben, breite, hoehe);
  text->setFrameShape(QFrame::NoFrame);
  text->setReadOnly(true);
  text->setFont(Aussehen::SansSerif());
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->document()->setDocumentMargin(2);
  QPalette farben = text->palette();
  farben.setColor(QPalette::Base, Aussehen::Fensterfarbe);
  farben.setColor(QPalette::Text, Qt::white);
  text->setPalette(farben);
  text->setPlainText(zeilen.join(QLatin1Char('\n')));
  return text;
}
