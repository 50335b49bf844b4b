#include "windows/FFDetailansicht.h"

#include "widgets/Aussehen.h"
#include "widgets/Bauteile.h"
#include "widgets/Cp1252.h"
#include "windows/FFUebersicht.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace Bauteile;

namespace {

QFont Feldschrift() {
  QFont schrift = Aussehen::SansSerif();
  schrift.setPointSize(10);
  return schrift;
}

QLineEdit* Feld(QWidget* eltern, const char* name, int oben) {
  auto* feld = Erzeuge<QLineEdit>(eltern, name, 104, oben, 713, 17);
  feld->setReadOnly(true);
  feld->setFrame(false);
  feld->setFont(Feldschrift());
  feld->setFocusPolicy(Qt::ClickFocus);  // the Tab key passes it by
  feld->setTextMargins(0, 0, 0, 0);
  QPalette farben = feld->palette();
  farben.setColor(QPalette::Base, Qt::transparent);  // the box's own ground shows through
  farben.setColor(QPalette::Text, Qt::black);
  feld->setPalette(farben);
  return feld;
}

}  // namespace

TFDetailansicht::TFDetailansicht(TFUebersicht& uebersicht)
    : TNebenfenster(&uebersicht, QStringLiteral("Detailansicht :"), 867, 189, true,
                    TPlatz::EigeneRegel) {
  setObjectName(QStringLiteral("FDetailansicht"));
  Aussehen::Fensterfarben(this, Aussehen::Detailfarbe, Qt::black);
  GB = Gruppe(this, "GB", QString(), 8, 8, 841, 153);
  EName = Feld(GB, "EName", 24);
  Label1 = Feldbeschriftung(EName, QStringLiteral("Name :"), 16, 24, Feldschrift(), "Label1");
  ECDanzahl = Feld(GB, "ECDanzahl", 48);
  Label2 = Feldbeschriftung(ECDanzahl, QStringLiteral("CD-Anzahl :"), 16, 48, Feldschrift(), "Label2");
  ECDFormat = Feld(GB, "ECDFormat", 72);
  Label3 = Feldbeschriftung(ECDFormat, QStringLiteral("CD-Format :"), 16, 72, Feldschrift(), "Label3");
  EGenre = Feld(GB, "EGenre", 96);
  Label4 = Feldbeschriftung(EGenre, QStringLiteral("Genre :"), 16, 96, Feldschrift(), "Label4");
  EKommentar = Feld(GB, "EKommentar", 120);
  Label5 = Feldbeschriftung(EKommentar, QStringLiteral("Kommentar :"), 16, 120, Feldschrift(), "Label5");

  Label6 = Beschriftung(
      this,
      QStringLiteral("( drücken Sie  [ ESC ]  oder klicken Sie hier um dieses Fenster zu schliessen )"),
      288, 168, Aussehen::SansSerif(), "Label6");
  QPalette farben = Label6->palette();
  farben.setColor(QPalette::WindowText, Aussehen::Fensterfarbe);
  Label6->setPalette(farben);
  Aussehen::Handzeiger(Label6);
  Label6->installEventFilter(this);

  uebersicht.SetzeDetailansicht(*this);
}

void TFDetailansicht::Fuelle(TSammlungsart art, int zeile, const std::vector<std::string>& zellen) {
  const bool film = art == TSammlungsart::Filme;
  const auto zelle = [&zellen](std::size_t spalte) { return VonCp1252(zellen.at(spalte)); };
  GB->setTitle(QStringLiteral(" %1 # %2 : ")
                   .arg(film ? QStringLiteral("Film") : QStringLiteral("Spiel"))
                   .arg(zeile));
  ZeigeText(EName, zelle(1));
  ZeigeText(ECDanzahl, zelle(2));
  ZeigeText(ECDFormat, film ? zelle(3) : QStringLiteral(" "));
  ZeigeText(EGenre, zelle(film ? 4 : 3));
  ZeigeText(EKommentar, zelle(film ? 5 : 4));
  Label3->setEnabled(film);
  ECDFormat->setEnabled(film);
}

void TFDetailansicht::FormKeyPress(int taste) {
  if (taste == 27) close();
}

void TFDetailansicht::Label6Click() { close(); }

void TFDetailansicht::keyPressEvent(QKeyEvent* ereignis) {
  // The character of the key, as a key press reports it; Escape is 27.
  const QString text = ereignis->text();
  if (ereignis->key() == Qt::Key_Escape)
    FormKeyPress(27);
  else if (text.size() == 1)
    FormKeyPress(text.at(0).unicode());
}

bool TFDetailansicht::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == Label6 && ereignis->type() == QEvent::MouseButtonRelease) {
    Label6Click();
    return true;
  }
  return TNebenfenster::eventFilter(objekt, ereignis);
}
