// setup.ini beside the program: what start-up reads, what Open, Save and the
// options window write, and the configuration folder of an installed program.

#include "main/FFOptionen.h"
#include "main/Fenstertitel.h"
#include "main/Programm.h"
#include "model/USammlungsdatei.h"
#include "office/LibreOfficeAutomation.h"
#include "platform/AtomareDatei.h"
#include "widgets/Dateinamen.h"
#include "widgets/ListBox.h"
#include "support/Testordner.h"
#include "support/Testumgebung.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <unistd.h>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

void SchreibeSammlung(const QString& pfad, const char* film) {
  TSammlung s;
  s.Filme = {{film, "2", "DVD", "", ""}};
  SchreibBytes(pfad, AlsBytes(EncodeSammlung(s)));
}

QByteArray Ini(const QString& merken, const QString& laden, const QString& letzte,
               const QString& oeffnen = {}, const QString& speichern = {}) {
  return (QStringLiteral("[Optionen]\nfilepathmerken=") + merken + QStringLiteral("\nopenfilepath=") +
          oeffnen + QStringLiteral("\nsavefilepath=") + speichern +
          QStringLiteral("\n[Datei]\nletztedateiladen=") + laden + QStringLiteral("\nletzteDatei=") +
          letzte + QLatin1Char('\n'))
      .toUtf8();
}

}  // namespace

class TestEinstellungen : public QObject {
  Q_OBJECT

  std::unique_ptr<TTestumgebung> Umwelt;
  std::unique_ptr<TProgramm> Programm;
  QTemporaryDir Daten;

  TFHaupt& H() { return Programm->Haupt(); }
  TFOptionen& O() { return *Programm->Fenster().FOptionen; }
  TScriptedDialoge& Dialoge() { return Umwelt->Dialoge; }
  QByteArray Setup() { return LiesBytes(Umwelt->SetupPfad()); }

  void Starte(const QStringList& argumente = {}) {
    Programm = std::make_unique<TProgramm>(Umwelt->Umgebung(argumente));
    Programm->Start();
    H().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&H()));
  }

  QString Datei(const char* name) { return Daten.filePath(QString::fromUtf8(name)); }

  // Shows the options window through act and closes it again once it is up.
  bool OptionenErscheinen(const std::function<void()>& act) {
    bool gesehen = false;
    QTimer::singleShot(0, &O(), [&] {
      gesehen = O().isVisible() && O().isModal();
      O().SpeedButton4->click();
    });
    act();
    return gesehen && !O().isVisible();
  }

private slots:
  void init() {
    Programm.reset();
    Umwelt = std::make_unique<TTestumgebung>();
  }

  void cleanup() {
    const int unerwartet = Dialoge().Unerwartet;
    const bool beantwortet = Dialoge().AllesBeantwortet();
    if (Programm) H().Modified = false;
    Programm.reset();
    QCOMPARE(unerwartet, 0);
    QVERIFY(beantwortet);
  }

  void ersterStartLegtSetupIniAn() {
    Starte();
    QCOMPARE(Setup(), QByteArray("[Optionen]\nfilepathmerken=0\n[Datei]\nletztedateiladen=0\n"));
    QVERIFY(!O().CBmerken->isChecked());
    QVERIFY(!O().CBload->isChecked());
    QCOMPARE(H().OpenDialog.FileName, QStringLiteral("Scheibwart Liste"));
    QCOMPARE(H().SaveDialog.FileName, QStringLiteral("Scheibwart Liste"));
    QCOMPARE(H().LSF->text(), QStringLiteral("0 (0 CDs)"));
    QCOMPARE(H().LSS->text(), QStringLiteral("0 (0 CDs)"));
    QVERIFY(Dialoge().Boxen.isEmpty());
  }

  void startLiestDieEinstellungen_data() {
    QTest::addColumn<QString>("merken");
    QTest::addColumn<QString>("laden");
    QTest::addColumn<QString>("argument");  // "", "da" or "fehlt"
    QTest::addColumn<QString>("geladen");   // "", "Argument" or "Letzte"
    const char* argumente[] = {"", "da", "fehlt"};
    for (const char* merken : {"0", "1"})
      for (const char* laden : {"0", "1"})
        for (const char* argument : argumente) {
          const QString arg = QString::fromLatin1(argument);
          const QString geladen = arg == QStringLiteral("da")      ? QStringLiteral("Argument")
                                  : QLatin1String(laden) == "1" ? QStringLiteral("Letzte")
                                                                   : QString();
          QTest::addRow("merken=%s laden=%s argument=%s", merken, laden, argument)
              << QString::fromLatin1(merken) << QString::fromLatin1(laden) << arg << geladen;
        }
  }

  void startLiestDieEinstellungen() {
    QFETCH(QString, merken);
    QFETCH(QString, laden);
    QFETCH(QString, argument);
    QFETCH(QString, geladen);
    const QString letzte = Datei("Letzte.swl");
    const QString argDatei = Datei("Argument.swl");
    SchreibeSammlung(letzte, "Letzte");
    SchreibeSammlung(argDatei, "Argument");
    const QString oeffnen = Daten.path() + QStringLiteral("/auf/");
    const QString speichern = Daten.path() + QStringLiteral("/zu/");
    const QByteArray vorher = Ini(merken, laden, letzte, oeffnen, speichern);
    SchreibBytes(Umwelt->SetupPfad(), vorher);

    QStringList argumente;
    if (argument == QStringLiteral("da")) argumente << argDatei;
    if (argument == QStringLiteral("fehlt")) argumente << Datei("fehlt.swl");
    Starte(argumente);

    QCOMPARE(O().CBmerken->isChecked(), merken == QStringLiteral("1"));
    QCOMPARE(O().CBload->isChecked(), laden == QStringLiteral("1"));
    const bool vorgeschlagen = merken == QStringLiteral("1");
    QCOMPARE(H().OpenDialog.FileName,
             vorgeschlagen ? oeffnen + QStringLiteral("Scheibwart Liste 1.swl") : QStringLiteral("Scheibwart Liste"));
    QCOMPARE(H().SaveDialog.FileName,
             vorgeschlagen ? speichern + QStringLiteral("Scheibwart Liste 1.swl") : QStringLiteral("Scheibwart Liste"));
    if (geladen.isEmpty()) {
      QCOMPARE(H().windowTitle(), TitleNoFile());
      QCOMPARE(H().LBFilme->Count(), 0);
    } else {
      const QString pfad = geladen == QStringLiteral("Argument") ? argDatei : letzte;
      QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
      QCOMPARE(H().LBFilme->Item(0), geladen + QStringLiteral("  ( 2 * DVD )"));
      QCOMPARE(H().LSF->text(), QStringLiteral("1 (2 CDs)"));
    }
    // Start-up writes a flag only when it switches a check box off, and never
    // touches the remembered file.
    QCOMPARE(Setup(), vorher);
    QVERIFY(Dialoge().Boxen.isEmpty());
  }

  void gemerkterOrdnerNurWoEinerSteht() {
    SchreibBytes(Umwelt->SetupPfad(), Ini(QStringLiteral("0x1"), QStringLiteral("0"), {}, {},
                                          QStringLiteral("/weg/ist/er/")));
    Starte();
    QVERIFY(O().CBmerken->isChecked());
    QCOMPARE(H().OpenDialog.FileName, QStringLiteral("Scheibwart Liste"));
    QCOMPARE(H().SaveDialog.FileName, QStringLiteral("/weg/ist/er/Scheibwart Liste 1.swl"));
  }

  void oeffnenMerktDatei() {
    Starte();
    const QByteArray vorher = Setup();
    Dialoge().BrichAb();
    H().MainLoad->trigger();
    QCOMPARE(Setup(), vorher);  // a cancelled dialog writes nothing

    const QString neu = Datei("gibt es noch nicht.swl");
    Dialoge().Waehle(neu);
    H().MainLoad->trigger();
    QCOMPARE(Setup(), QByteArray("[Optionen]\nfilepathmerken=0\nopenfilepath=") + Daten.path().toUtf8() +
                          QByteArray("/\n[Datei]\nletztedateiladen=0\nletzteDatei=") + neu.toUtf8() + '\n');
  }

  void speichernMerktDateiAuchWennNichtsGespeichertWird() {
    Starte();
    const QString ziel = Datei("leer.swl");
    Dialoge().Waehle(ziel);
    H().MainSave->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Text,
             QStringLiteral("Speichern ist fehlgeschlagen!\nEs sind keine Daten eingetragen!"));
    QVERIFY(!QFile::exists(ziel));
    QCOMPARE(Setup(), QByteArray("[Optionen]\nfilepathmerken=0\nsavefilepath=") + Daten.path().toUtf8() +
                          QByteArray("/\n[Datei]\nletztedateiladen=0\nletzteDatei=") + ziel.toUtf8() + '\n');
  }

  void letzteGespeicherteDateiWirdBeimNaechstenStartGeladen() {
    const QString pfad = Datei("Sammlung.swl");
    SchreibeSammlung(pfad, "Metropolis");
    Starte({pfad});
    O().CBload->click();
    QVERIFY(O().CBload->isChecked());
    Dialoge().Waehle(Datei("Kopie.swl"));
    H().MainSave->trigger();
    Programm.reset();

    Starte();
    QCOMPARE(H().windowTitle(), TitleWithFile(Datei("Kopie.swl")));
    QCOMPARE(H().LBFilme->Item(0), QStringLiteral("Metropolis  ( 2 * DVD )"));
  }

  void optionenfensterSchreibtJedeAenderung() {
    Starte();
    QVERIFY(OptionenErscheinen([&] { QTest::keyClick(&H(), Qt::Key_F10); }));
    QVERIFY(OptionenErscheinen([&] { H().SBOptionen->click(); }));
    const QByteArray unberuehrt = Setup();  // opening and closing writes nothing
    QCOMPARE(Setup(), unberuehrt);

    O().CBmerken->click();
    QVERIFY(Setup().contains("filepathmerken=1\n"));
    O().CBload->click();
    QVERIFY(Setup().contains("letztedateiladen=1\n"));
    O().CBload->click();
    QVERIFY(Setup().contains("letztedateiladen=0\n"));

    // The folder buttons use the main window's own dialogs and open nothing.
    const QByteArray vorher = Setup();
    Dialoge().BrichAb();
    O().SpeedButton2->click();
    Dialoge().BrichAb();
    O().SpeedButton3->click();
    QCOMPARE(Setup(), vorher);
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Scheibwart - Liste öffnen"));
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Scheibwart - Liste speichern"));

    const QString auf = Daten.path() + QStringLiteral("/Filme/Liste.swl");
    const QString zu = Daten.path() + QStringLiteral("/Sicherung/Liste.swl");
    Dialoge().Waehle(auf);
    O().SpeedButton2->click();
    Dialoge().Waehle(zu);
    O().SpeedButton3->click();
    QVERIFY(Setup().contains("openfilepath=" + Daten.path().toUtf8() + "/Filme/\n"));
    QVERIFY(Setup().contains("savefilepath=" + Daten.path().toUtf8() + "/Sicherung/\n"));
    QCOMPARE(H().LBFilme->Count(), 0);
    QCOMPARE(H().windowTitle(), TitleNoFile());

    Dialoge().Vergiss();
    Dialoge().BrichAb();
    H().MainLoad->trigger();
    QCOMPARE(Dialoge().Boxen[0].Text, auf);  // the shared dialog proposes the chosen file
  }

  // An installed program never writes its own folder: setup.ini lives in
  // the user's configuration folder, which the first write makes.
  void programmordnerNichtBeschreibbar() {
    const QString pfad = Datei("Sammlung.swl");
    SchreibeSammlung(pfad, "Metropolis");
    const QString konfiguration = Daten.path() + QStringLiteral("/konfiguration");
    StarteInstalliert(konfiguration, {pfad});

    QCOMPARE(Dialoge().Boxen.size(), 0);
    const QString setup = konfiguration + QStringLiteral("/scheibwart//setup.ini");
    QCOMPARE(LiesBytes(setup), QByteArray("[Optionen]\nfilepathmerken=0\n[Datei]\nletztedateiladen=0\n"));
    QCOMPARE(QDir(Daten.path() + QStringLiteral("/installiert/bin")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
    Dialoge().Waehle(pfad);
    H().MainLoad->trigger();
    QCOMPARE(H().LSF->text(), QStringLiteral("1 (2 CDs)"));
    QVERIFY(LiesBytes(setup).contains("letzteDatei=" + pfad.toUtf8() + '\n'));
  }

  // When the configuration folder cannot be written either, start-up reports
  // it once and goes on; Open loads the collection and then reports it.
  void konfigurationsordnerNichtBeschreibbar() {
    const QString pfad = Datei("Sammlung.swl");
    SchreibeSammlung(pfad, "Metropolis");
    const QString keinOrdner = Datei("keine Konfiguration");
    SchreibBytes(keinOrdner, "eine Datei, kein Ordner");
    StarteInstalliert(keinOrdner, {pfad});

    const QString fehler =
        QStringLiteral("nach ") + keinOrdner + QStringLiteral("/scheibwart/setup.ini kann nicht geschrieben werden.");
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[0].Text, fehler);
    QCOMPARE(Dialoge().Boxen[0].Symbol, TSymbol::Stop);
    QVERIFY(Dialoge().Boxen[0].UeberGezeigtemFenster);
    QVERIFY(!O().CBmerken->isChecked());
    QVERIFY(!O().CBload->isChecked());
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    QCOMPARE(H().LSF->text(), QStringLiteral("1 (2 CDs)"));

    Dialoge().Vergiss();
    Dialoge().Waehle(pfad);
    H().MainLoad->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Text, fehler);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    QCOMPARE(H().LSF->text(), QStringLiteral("1 (2 CDs)"));

    Dialoge().Vergiss();
    O().CBmerken->click();
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Text, fehler);
  }

  // A name that is not UTF-8 (Latin-1 from an old disk) loads from the
  // command line, and its bytes reach letzteDatei so the next start finds it.
  void nameDerKeinUtf8IstWirdGeladenUndGemerkt() {
    const std::string bytes = Daten.path().toStdString() + "/M\xfcller.swl";
    const QString pfad = DateinameText(bytes);
    TSammlung s;
    s.Filme = {{"Metropolis", "2", "DVD", "", ""}};
    SchreibeDateiAtomar(bytes, EncodeSammlung(s));
    Starte({pfad});
    QCOMPARE(H().LSF->text(), QStringLiteral("1 (2 CDs)"));
    QCOMPARE(H().windowTitle(),
             TitleNoFile() + QStringLiteral("  ( ") + Daten.path() + QStringLiteral("/M\uFFFDller.swl )"));

    O().CBload->click();
    Dialoge().Waehle(pfad);
    H().MainLoad->trigger();
    QVERIFY(Setup().contains(QByteArray::fromStdString("letzteDatei=" + bytes + "\n")));
    Programm.reset();

    Starte();
    QCOMPARE(H().LBFilme->Item(0), QStringLiteral("Metropolis  ( 2 * DVD )"));
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    // Qt's clean-up of the folder cannot name the file.
    unlink(bytes.c_str());
  }

  // A setup.ini that cannot be written never keeps the collection from being
  // saved: the file is written, and the settings failure is shown afterwards,
  // also when Save runs as the save-first question of Open.
  void setupIniNichtBeschreibbarSpeichernGehtVor() {
    const QString pfad = Datei("Sammlung.swl");
    SchreibeSammlung(pfad, "Metropolis");
    QVERIFY(QDir().mkpath(Umwelt->Programmordner.filePath(QStringLiteral("setup.ini"))));
    Starte({pfad});
    const QString fehler = QStringLiteral("nach ") + Umwelt->Programmordner.path() +
                           QStringLiteral("/setup.ini kann nicht geschrieben werden.");
    QCOMPARE(Dialoge().Boxen.size(), 1);  // start-up's own write of a flag
    QCOMPARE(Dialoge().Boxen[0].Text, fehler);

    const QString ziel = Datei("Ziel.swl");
    Dialoge().Vergiss();
    Dialoge().Waehle(ziel);
    H().Modified = true;
    H().MainSave->trigger();
    QCOMPARE(LiesBytes(ziel), LiesBytes(pfad));
    QCOMPARE(H().windowTitle(), TitleWithFile(ziel));
    QVERIFY(!H().Modified);
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[1].Text, fehler);
    QCOMPARE(Dialoge().Boxen[1].Symbol, TSymbol::Stop);

    const QString zweites = Datei("Zweites.swl");
    Dialoge().Vergiss();
    H().Modified = true;
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Waehle(zweites);
    Dialoge().Waehle(ziel);
    H().MainLoad->trigger();
    QCOMPARE(LiesBytes(zweites), LiesBytes(pfad));
    QCOMPARE(Dialoge().Boxen.size(), 5);  // question, save dialog, failure, open dialog, failure
    QCOMPARE(Dialoge().Boxen[2].Text, fehler);
    QCOMPARE(Dialoge().Boxen[4].Text, fehler);
    QCOMPARE(H().windowTitle(), TitleWithFile(ziel));
    QCOMPARE(H().LSF->text(), QStringLiteral("1 (2 CDs)"));
  }

private:
  // Starts the program from a folder it cannot write (here: one that does
  // not exist), with XDG_CONFIG_HOME set to konfiguration for the test.
  // Started from an installed tree: its bridge module lies in the tree's
  // private library folder, and the program's own folder can be written (as
  // by root).
  void StarteInstalliert(const QString& konfiguration, const QStringList& argumente) {
    const QByteArray vorher = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(konfiguration));
    TUmgebung umgebung = Umwelt->Umgebung(argumente);
    umgebung.ProgrammVerzeichnis = Daten.path() + QStringLiteral("/installiert/bin/");
    const QString modul =
        DateinameText(TLibreOfficeAutomation::CalcModulZumProgramm(DateinameBytes(umgebung.ProgrammVerzeichnis)));
    QVERIFY(QDir().mkpath(umgebung.ProgrammVerzeichnis) && QDir().mkpath(QFileInfo(modul).absolutePath()));
    SchreibBytes(modul, "");
    Programm = std::make_unique<TProgramm>(umgebung);
    Programm->Start();
    qputenv("XDG_CONFIG_HOME", vorher);
  }
};

QTEST_MAIN(TestEinstellungen)
#include "test_Einstellungen.moc"
