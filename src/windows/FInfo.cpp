#include "windows/FInfo.h"

#include "widgets/Umgebung.h"
#include "widgets/Bauteile.h"
#include "widgets/Befehlsschutz.h"
#include "widgets/Cp1252.h"
#include "widgets/Dialoge.h"
#include "windows/Shell.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>
#include <functional>

using namespace Bauteile;
using Programmangaben::TKontakt;

namespace {

QString Text(const std::string& cp1252) { return VonCp1252(cp1252); }

// A 16 by 16 symbol drawn by zeichne on a transparent ground.
QIcon Symbol(const std::function<void(QPainter&)>& zeichne) {
  QPixmap bild(16, 16);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  zeichne(maler);
  maler.end();
  return QIcon(bild);
}

// A blue globe with its meridian and two circles of latitude.
QIcon Globus() {
  return Symbol([](QPainter& maler) {
    maler.setPen(QPen(QColor(20, 60, 130), 1));
    maler.setBrush(QColor(80, 150, 230));
    maler.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    maler.setBrush(Qt::NoBrush);
    maler.drawEllipse(QRectF(5, 1.5, 6, 13));
    maler.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    maler.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
    maler.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
  });
}

// A house with a red roof.
QIcon Haus() {
  return Symbol([](QPainter& maler) {
    maler.setPen(QPen(QColor(60, 40, 20), 1));
    maler.setBrush(QColor(240, 230, 200));
    maler.drawRect(QRectF(3.5, 7.5, 9, 7));
    QPainterPath dach;
    dach.moveTo(1, 8);
    dach.lineTo(8, 1.5);
    dach.lineTo(15, 8);
    dach.closeSubpath();
    maler.setBrush(QColor(200, 40, 30));
    maler.drawPath(dach);
    maler.setBrush(QColor(120, 70, 30));
    maler.drawRect(QRectF(7, 10.5, 2.5, 4));
  });
}

// One row of the group box: the role right-aligned up to x 133, the value
// from x wertLinks on.
void Zeile(QGroupBox* gruppe, int oben, const QString& rolle, const QString& wert,
           int wertLinks = 160) {
  auto* label = Beschriftung(gruppe, rolle, 0, oben, Aussehen::Verdana());
  label->setGeometry(133 - label->width(), oben, label->width(), label->height());
  Beschriftung(gruppe, wert, wertLinks, oben, Aussehen::Verdana());
}

// A button offering a mail or the home page, on the row of the person's role;
// screen readers add the role, since two rows offer the same.
QToolButton* Angebot(QGroupBox* gruppe, const char* name, const QIcon& bild, int links, int oben,
                     const QString& hinweis, const QString& rolle) {
  QToolButton* knopf = Bildknopf(gruppe, name, bild, links, oben, 22, 22);
  knopf->setToolTip(hinweis);
  NenneZweck(knopf, hinweis);
  knopf->setAccessibleDescription(rolle);
  return knopf;
}

}  // namespace

TFFInfo::TFFInfo(QWidget* hauptfenster, const TUmgebung& umgebung)
    : TNebenfenster(hauptfenster, QStringLiteral("Information über Scheibwart"), 381, 240, false),
      Dialoge(umgebung.Dialoge),
      Shell(umgebung.Shell),
      ProgrammOrdner(QDir::cleanPath(umgebung.ProgrammVerzeichnis)) {
  setObjectName(QStringLiteral("FFInfo"));
  const TKontakt& idee = Programmangaben::Ideengeber;
  const TKontakt& autor = Programmangaben::Programmierer;
  GroupBox1 = Gruppe(this, "GroupBox1", QStringLiteral(" Scheibwart v1.0 :"), 16, 16, 345, 169,
                     Aussehen::Verdana());
  Zeile(GroupBox1, 32, QStringLiteral("Programmidee: "), Text(idee.Name));
  Zeile(GroupBox1, 56, QStringLiteral("Programm-Design:"), Text(autor.Name));
  Zeile(GroupBox1, 80, QStringLiteral("Programmcode:"), Text(autor.Name));
  Zeile(GroupBox1, 104, QStringLiteral("Programmiert mit:"), Text(Programmangaben::Werkzeug));
  Zeile(GroupBox1, 128, QStringLiteral("Version:"), QStringLiteral("1.0"), 161);

  const QString mailAnIdee = QStringLiteral("E-Mail @ ") + Text(idee.Name);
  const QString mailAnAutor = QStringLiteral("E-Mail @ ") + Text(autor.Name);
  const QString homepage = QStringLiteral("Homepage von ") + Text(autor.Name);
  const QString alsIdee = QStringLiteral("Programmidee");
  const QString alsDesign = QStringLiteral("Programm-Design");
  const QString alsCode = QStringLiteral("Programmcode");
  SpeedButton1 = Angebot(GroupBox1, "SpeedButton1", Globus(), 272, 30, mailAnIdee, alsIdee);
  SpeedButton2 = Angebot(GroupBox1, "SpeedButton2", Globus(), 272, 54, mailAnAutor, alsDesign);
  SpeedButton5 = Angebot(GroupBox1, "SpeedButton5", Haus(), 304, 54, homepage, alsDesign);
  SpeedButton3 = Angebot(GroupBox1, "SpeedButton3", Globus(), 272, 78, mailAnAutor, alsCode);
  SpeedButton6 = Angebot(GroupBox1, "SpeedButton6", Haus(), 304, 78, homepage, alsCode);
  SpeedButton4 = SchliessenKnopf("SpeedButton4", 16, 200, 345, 24);
  SpeedButton4->setFont(Aussehen::Verdana());

  connect(SpeedButton1, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFFInfo::SpeedButton1Click));
  connect(SpeedButton2, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFFInfo::SpeedButton2Click));
  connect(SpeedButton3, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFFInfo::SpeedButton2Click));
  connect(SpeedButton5, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFFInfo::SpeedButton5Click));
  connect(SpeedButton6, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFFInfo::SpeedButton5Click));
  connect(SpeedButton4, &QPushButton::clicked, this, Geschuetzt(Dialoge, this, &TFFInfo::SpeedButton4Click));
}

void TFFInfo::BieteMailAn(const TKontakt& kontakt) {
  const QString vorname = Text(kontakt.Vorname);
  const QString mail = Text(kontakt.Mail);
  const QString frage = QStringLiteral("Die E-Mailadresse von %1 lautet: %2\n"
                                       "Wollen Sie jetzt eine E-Mail an %1 schreiben?")
                            .arg(vorname, mail);
  if (Dialoge.Meldung(this, QStringLiteral("Info:"), frage, TKnoepfe::JaNein, TSymbol::Keins) ==
      TAntwort::Ja)
    Shell.Oeffnen(QStringLiteral("mailto:") + mail + QStringLiteral("?subject=Scheibwart"), QString());
}

void TFFInfo::SpeedButton1Click() { BieteMailAn(Programmangaben::Ideengeber); }

void TFFInfo::SpeedButton2Click() { BieteMailAn(Programmangaben::Programmierer); }

void TFFInfo::SpeedButton5Click() {
  const QString adresse = Text(Programmangaben::Homepage);
  const QString frage = QStringLiteral("Die Homepageadresse von %1 lautet: %2\n"
                                       "Wollen Sie die Homepage jetzt öffnen?")
                            .arg(Text(Programmangaben::Programmierer.Vorname), adresse);
  if (Dialoge.Meldung(this, QStringLiteral("Info:"), frage, TKnoepfe::JaNein, TSymbol::Keins) ==
      TAntwort::Ja)
    Shell.Oeffnen(adresse, ProgrammOrdner);
}

void TFFInfo::SpeedButton4Click() { close(); }
