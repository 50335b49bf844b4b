// Every command without a mouse: the flat buttons of every window take the
// focus by Tab and click on Space and Return, the Tab order of each window,
// and the main window's hidden parts out of that order.

#include "main/FFOptionen.h"
#include "model/USammlungsdatei.h"
#include "support/Programmtest.h"
#include "support/Testordner.h"
#include "windows/FFSuche.h"
#include "windows/FFTastaturkuerzel.h"
#include "windows/FFUebersicht.h"
#include "windows/FFVersion.h"
#include "windows/FInfo.h"

#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

namespace {

// The names of the controls the Tab key visits from erstes on, once round.
QStringList Tabfolge(QWidget* erstes) {
  QStringList folge;
  erstes->setFocus(Qt::TabFocusReason);
  for (int mal = 0; mal < 100; ++mal) {
    QWidget* fokus = erstes->window()->focusWidget();
    while (fokus != nullptr && fokus->objectName().isEmpty()) fokus = fokus->parentWidget();
    if (fokus == nullptr || (!folge.isEmpty() && fokus == erstes)) break;
    folge << fokus->objectName();
    QTest::keyClick(fokus, Qt::Key_Tab);
  }
  return folge;
}

bool IstFlach(const QAbstractButton* knopf) {
  if (const auto* werkzeug = qobject_cast<const QToolButton*>(knopf)) return werkzeug->autoRaise();
  if (const auto* druck = qobject_cast<const QPushButton*>(knopf)) return druck->isFlat();
  return false;
}

const QStringList Filmpanel{"LBFilme",   "EFFilm",       "EFCDAnzahl", "EFCDFormat", "EFGenre",    "EFKommentar",
                            "SBFilmadd", "SBFilmchange", "SBFilmdel",  "SBFilmup",   "SBFilmdown", "SBFilmVerleih"};
const QStringList Spielpanel{"LBSpiele", "ESSpiel", "ESCDAnzahl", "ESGenre", "ESKommentar", "SBSpieladd",
                             "SBSpielchange", "SBSpieldel", "SBSpielup", "SBSpieldown", "SBSpielVerleih"};
const QStringList Werkzeuge{"SBFileNew", "SBFileLoad", "SBFileSave", "SBOptionen", "SBInfo",
                            "SpeedButtonkino", "ToolButtonFilmeSpieleWausblenden", "ToolButtonVerleihListe"};
const QStringList Wunschlisten{"LBFilmeW",  "SBFilmWadd",  "SBFilmWdel",
                               "LBSpieleW", "SBSpielWadd", "SBSpielWdel"};
const QStringList Verleih{"LBVerleih", "SBVerleihadd", "SBVerleihdel"};
const QStringList Statistik{"SpeedButton1"};

}  // namespace

class TestTastatur : public TProgrammTest {
  Q_OBJECT

  QTemporaryDir Ordner;

  QWidget* Fenster(const QString& name) {
    const TFensterSatz& f = Programm->Fenster();
    const QList<QWidget*> alle{&H(), f.FSuche, f.FUebersicht, f.FOptionen, f.FFInfo, f.FVersion, f.FTastaturkuerzel};
    for (QWidget* fenster : alle)
      if (fenster->objectName() == name) return fenster;
    return nullptr;
  }

  // A secondary window shown without its modal loop, active as when opened.
  QWidget* Zeige(const QString& name) {
    QWidget* fenster = Fenster(name);
    if (fenster != &H()) {
      fenster->show();
      fenster->activateWindow();
    }
    // Qt's own wait for an active window may return before the widgets know.
    return QTest::qWaitFor([fenster] { return fenster->isActiveWindow(); }) ? fenster : nullptr;
  }

private slots:
  // A collection in which every list has lines, so that every button is enabled.
  void init() {
    TSammlung s;
    s.Filme = {{"Das Boot", "2", "DVD", "Kriegsfilm", ""}, {"Alien", "1", "VCD", "Horror", ""}};
    s.Spiele = {{"Doom", "1", "Action", ""}, {"Myst", "2", "Adventure", ""}};
    s.Verleih = {"Alien - an Maria"};
    s.FilmWuensche = {"Heimat"};
    s.SpielWuensche = {"Riven"};
    const QString pfad = Ordner.filePath(QStringLiteral("Sammlung.swl"));
    SchreibBytes(pfad, AlsBytes(EncodeSammlung(s)));
    Neu();
    Starte({pfad});
  }
  void cleanup() { Beende(); }

  void flacheKnoepfeMitTastenBedienbar_data() {
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<int>("anzahl");
    QTest::newRow("Hauptfenster") << "FHaupt" << 27;
    QTest::newRow("Suche") << "FSuche" << 2;
    QTest::newRow("Tabellenübersicht") << "FUebersicht" << 1;
    QTest::newRow("Optionen") << "FOptionen" << 3;
    QTest::newRow("Information") << "FFInfo" << 6;
    QTest::newRow("Versionen") << "FVersion" << 1;
    QTest::newRow("Tastaturkürzel") << "FTastaturkuerzel" << 1;
  }

  // Each flat button takes the focus by Tab but not by a click, shows it, and
  // Space, Return and Enter click it once each; a held key clicks no more.
  void flacheKnoepfeMitTastenBedienbar() {
    QFETCH(QString, fenster);
    QFETCH(int, anzahl);
    QWidget* f = Zeige(fenster);
    QVERIFY(f != nullptr);
    int flache = 0;
    for (QAbstractButton* knopf : f->findChildren<QAbstractButton*>()) {
      if (knopf->window() != f || !IstFlach(knopf) || knopf->objectName().startsWith(QLatin1String("qt_")))
        continue;
      ++flache;
      const QByteArray kennung = knopf->objectName().toLatin1();
      const char* name = kennung.constData();
      QVERIFY2(knopf->isEnabled(), name);
      QVERIFY2(knopf->focusPolicy() == Qt::TabFocus, name);

      knopf->clearFocus();
      const QImage ohne = knopf->grab().toImage();
      knopf->setFocus(Qt::TabFocusReason);
      QVERIFY2(knopf->hasFocus(), name);
      QVERIFY2(knopf->grab().toImage() != ohne, name);

      // Only the keys are looked at here, not the commands behind them.
      knopf->disconnect();
      QSignalSpy klicks(knopf, &QAbstractButton::clicked);
      QTest::keyClick(knopf, Qt::Key_Space);
      QTest::keyClick(knopf, Qt::Key_Return);
      QTest::keyClick(knopf, Qt::Key_Enter, Qt::KeypadModifier);
      QVERIFY2(klicks.size() == 3, name);
      QKeyEvent gehalten(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(knopf, &gehalten);
      QTest::keyClick(knopf, Qt::Key_Return, Qt::ControlModifier);
      QVERIFY2(klicks.size() == 3, name);
    }
    QCOMPARE(flache, anzahl);
  }

  void tabfolgeDerNebenfenster_data() {
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<QStringList>("folge");
    QTest::newRow("Suche") << "FSuche"
                           << QStringList{"RBWoFilm", "RBName", "ESuchtext", "SBSuchestarten", "SpeedButton1"};
    QTest::newRow("Tabellenübersicht") << "FUebersicht" << QStringList{"SGTab", "SpeedButton1"};
    QTest::newRow("Optionen")
        << "FOptionen" << QStringList{"CBmerken", "SpeedButton2", "SpeedButton3", "CBload", "SpeedButton4"};
    QTest::newRow("Information") << "FFInfo"
                                 << QStringList{"SpeedButton1", "SpeedButton2", "SpeedButton5",
                                                "SpeedButton3", "SpeedButton6", "SpeedButton4"};
    QTest::newRow("Versionen") << "FVersion" << QStringList{"Memo1", "SpeedButton1"};
    QTest::newRow("Tastaturkürzel") << "FTastaturkuerzel" << QStringList{"SpeedButton1"};
  }

  void tabfolgeDerNebenfenster() {
    QFETCH(QString, fenster);
    QFETCH(QStringList, folge);
    QWidget* f = Zeige(fenster);
    QVERIFY(f != nullptr);
    QCOMPARE(Tabfolge(f->findChild<QWidget*>(folge.first())), folge);
  }

  void tabfolgeDesHauptfensters_data() {
    QTest::addColumn<QList<QKeySequence>>("tasten");
    QTest::addColumn<QStringList>("folge");
    const QKeySequence f11(Qt::Key_F11);
    const QKeySequence f12(Qt::Key_F12);
    const QStringList vorn = Filmpanel + Spielpanel + Werkzeuge;
    QTest::newRow("alles sichtbar") << QList<QKeySequence>{} << vorn + Wunschlisten + Verleih + Statistik;
    QTest::newRow("ohne Verleih und Statistik") << QList<QKeySequence>{f11} << vorn + Wunschlisten;
    QTest::newRow("ohne Wunschlisten und Statistik") << QList<QKeySequence>{f12} << vorn + Verleih;
    QTest::newRow("nur die Panels") << QList<QKeySequence>{f11, f12} << vorn;
    QTest::newRow("wieder eingeblendet") << QList<QKeySequence>{f11, f12, f12, f11}
                                         << vorn + Wunschlisten + Verleih + Statistik;
    // Disabled buttons are passed by: with empty lists only "hinzufügen" is left.
    QTest::newRow("leere Sammlung")
        << QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_N)}
        << Filmpanel.first(7) + Spielpanel.first(6) + Werkzeuge
               + QStringList{"LBFilmeW", "SBFilmWadd", "LBSpieleW", "SBSpielWadd", "LBVerleih", "SBVerleihadd"}
               + Statistik;
  }

  // Each panel's buttons follow its fields; what is hidden is passed by.
  void tabfolgeDesHauptfensters() {
    QFETCH(QList<QKeySequence>, tasten);
    QFETCH(QStringList, folge);
    for (const QKeySequence& taste : tasten) QTest::keySequence(&H(), taste);
    QCOMPARE(Tabfolge(H().LBFilme), folge);
    for (QGroupBox* box : {H().GroupBox1, H().GroupBox3, H().GBVerleih, H().GBStatistik})
      QVERIFY(box->isEnabled());  // hidden, not disabled
  }

  void verdecktVerliertDenFokus_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("danach");
    QTest::newRow("Verleih hinzufügen") << "SBVerleihadd" << int(Qt::Key_F11) << "LBFilme";
    QTest::newRow("Spielwunsch hinzufügen") << "SBSpielWadd" << int(Qt::Key_F12) << "LBSpiele";
    QTest::newRow("Statistik, Wunschlisten ausgeblendet") << "SpeedButton1" << int(Qt::Key_F12) << "LBFilme";
  }

  void verdecktVerliertDenFokus() {
    QFETCH(QString, control);
    QFETCH(int, taste);
    QFETCH(QString, danach);
    H().findChild<QWidget*>(control)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(&H(), static_cast<Qt::Key>(taste));
    QCOMPARE(H().focusWidget()->objectName(), danach);
  }
};

QTEST_MAIN(TestTastatur)
#include "test_Tastatur.moc"
