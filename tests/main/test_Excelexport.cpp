// The workbook commands: the overview grid they fill, the dialogs and boxes
// in their order, the calls the spreadsheet application gets, and the file
// they leave behind when the application is missing or cannot save.

#include "support/Programmtest.h"
#include "support/Raster.h"
#include "support/Testordner.h"
#include "windows/FFUebersicht.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

class TestExcelexport : public TProgrammTest {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> Ordner;

  QString Daten() const { return Ordner->path(); }
  QString Datei(const char* name) { return Ordner->filePath(QString::fromLatin1(name)); }
  TAufzeichnendeAutomation& Automation() { return Umwelt->Automation; }
  TFUebersicht& Uebersicht() { return *Programm->Fenster().FUebersicht; }

  void Film(const char* name, const char* anzahl, const char* kommentar) {
    H().EFFilm->setText(QString::fromUtf8(name));
    H().EFCDAnzahl->setText(QString::fromUtf8(anzahl));
    H().EFKommentar->setText(QString::fromUtf8(kommentar));
    H().SBFilmadd->click();
  }
  void Spiel(const char* name) {
    H().ESSpiel->setText(QString::fromUtf8(name));
    H().ESCDAnzahl->setText(QStringLiteral("1"));
    H().SBSpieladd->click();
  }

  // The save writes what it is given into the file the application is told.
  void SpeichernSchreibt(const char* inhalt) {
    Automation().BeimSpeichern = [inhalt](const std::string& datei) {
      SchreibBytes(QFile::decodeName(datei.c_str()), inhalt);
    };
  }

  // The cell puts the application got, as "row,column=text".
  QStringList Zellen() {
    QStringList zellen;
    const std::string vorne = "Sheet.Cells[";
    for (const std::string& zeile : Automation().Aufrufe())
      if (zeile.rfind(vorne, 0) == 0) {
        const std::size_t ende = zeile.find("] = ");
        zellen << VonCp1252(zeile.substr(vorne.size(), ende - vorne.size()) + "=" +
                            zeile.substr(ende + 5, zeile.size() - ende - 6));
      }
    return zellen;
  }

private slots:
  void init() {
    Ordner = std::make_unique<QTemporaryDir>();
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  void ohneDatensaetzeNurDieMeldung() {
    H().Filmliste1->trigger();
    H().Spieleliste1->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Es sind keine Filme eingetragen!"));
    QCOMPARE(Dialoge().Boxen[1].Text, QStringLiteral("Es sind keine Spiele eingetragen!"));
    for (const TGezeigteBox& box : Dialoge().Boxen) {
      QCOMPARE(box.Titel, QStringLiteral("Fehler"));
      QCOMPARE(box.Symbol, TSymbol::Ausrufezeichen);
    }
    QCOMPARE(Uebersicht().windowTitle(), QStringLiteral("Scheibwart - Tabellansicht"));
    QVERIFY(Automation().Protokoll.empty());
  }

  void filmlisteAlsMappe() {
    Film("Das Boot", "2", "");
    Film("Ärger im Paradies", "", "Komödie & mehr");
    const QString ziel = Datei("Filme.xls");
    Dialoge().Waehle(ziel);
    Dialoge().Frage(TAntwort::Ja);
    SpeichernSchreibt("Mappe");
    H().Filmliste1->trigger();

    QCOMPARE(Dialoge().Boxen.size(), 3);
    const TGezeigteBox& dialog = Dialoge().Boxen[0];
    QCOMPARE(dialog.Art, TGezeigteBox::TArt::Datei);
    QCOMPARE(dialog.Titel, QStringLiteral("als Exceldatei exportieren"));
    QCOMPARE(dialog.Filter, QStringLiteral("Excel-Dateien (*.xls)|*.xls"));
    QCOMPARE(dialog.DefaultExt, QStringLiteral("xls"));
    QCOMPARE(dialog.InitialDir, QStringLiteral("."));
    QCOMPARE(dialog.Text, QStringLiteral("Scheibwart Liste"));
    QVERIFY(dialog.OverwritePrompt);
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Hinweis:"));
    QCOMPARE(Dialoge().Boxen[1].Text, QStringLiteral("Die Filmliste wird nun in das Excel-Format konvertiert.\n"
                                                     "Bitte haben Sie einen Augenblick Geduld."));
    QCOMPARE(Dialoge().Boxen[1].Knoepfe, TKnoepfe::Ok);
    QCOMPARE(Dialoge().Boxen[1].Symbol, TSymbol::Keins);
    QCOMPARE(Dialoge().Boxen[2].Titel, QStringLiteral("Export erfolgreich beendet"));
    QCOMPARE(Dialoge().Boxen[2].Text,
             QStringLiteral("Die Filmliste wurde erfolgreich gespeichert. Sie können den Report mit Excel "
                            "formatieren und bearbeiten.\n"
                            "Wollen Sie die Datei jetzt mit der Standardanwendung öffnen?"));
    QCOMPARE(Dialoge().Boxen[2].Knoepfe, TKnoepfe::JaNein);

    // The overview holds the grid that was copied, column by column, and was
    // only shown for a moment.
    QCOMPARE(Uebersicht().windowTitle(), QStringLiteral("Scheibwart - Tabellansicht: Filme"));
    QVERIFY(!Uebersicht().isVisible());
    QCOMPARE(Rasterzeile(Uebersicht().SGTab, 2),
             (QStringList{"2", "Ärger im Paradies", "", "", "", "Komödie & mehr"}));
    QStringList erwartet;
    for (int spalte = 0; spalte < 6; ++spalte)
      for (int zeile = 0; zeile < 3; ++zeile)
        erwartet << QStringLiteral("%1,%2=").arg(zeile + 1).arg(spalte + 1) +
                        Rasterzeile(Uebersicht().SGTab, zeile)[spalte];
    QCOMPARE(Zellen(), erwartet);
    QCOMPARE(Automation().Aufrufe().back(), std::string("Excel.Quit()"));
    QCOMPARE(Automation().Lebende, 0);

    QCOMPARE(LiesBytes(ziel), QByteArray("Mappe"));
    QCOMPARE(QDir(Daten()).entryList(QDir::Files | QDir::Hidden), QStringList{"Filme.xls"});
    QCOMPARE(Umwelt->Shell.Aufrufe,
             (QList<QPair<QString, QString>>{{QStringLiteral("Filme.xls"), Daten() + QLatin1Char('/')}}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void abbrechenNachDemFuellen() {
    Spiel("Gothic");
    Dialoge().BrichAb();
    H().Spieleliste1->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Uebersicht().windowTitle(), QStringLiteral("Scheibwart - Tabellansicht: Spiele"));
    QCOMPARE(Rasterzeile(Uebersicht().SGTab, 0), (QStringList{"#", "Spiel", "CDs", "Genre", "Kommentar"}));
    QVERIFY(Automation().Protokoll.empty());
  }

  // A failed save ends the command silently; the file chosen, shared by both
  // commands, keeps what it held.
  void misslungenesSpeichernLaesstDieDatei() {
    Film("Das Boot", "2", "");
    Spiel("Gothic");
    const QString ziel = Datei("Liste.xls");
    SchreibBytes(ziel, "alt");
    Dialoge().Waehle(ziel);
    Automation().Scheitern = "Workbook.saveas";
    H().Spieleliste1->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Text, QStringLiteral("Die Spieleliste wird nun in das Excel-Format konvertiert.\n"
                                                     "Bitte haben Sie einen Augenblick Geduld."));
    QCOMPARE(LiesBytes(ziel), QByteArray("alt"));
    QCOMPARE(QDir(Daten()).entryList(QDir::Files | QDir::Hidden), QStringList{"Liste.xls"});
    QCOMPARE(Automation().Aufrufe().back(), std::string("Excel.Quit()"));

    Dialoge().Vergiss();
    Dialoge().BrichAb();
    H().Filmliste1->trigger();
    QCOMPARE(Dialoge().Boxen[0].Text, ziel);
  }

  // Without the spreadsheet application the general error box tells why.
  void ohneAnwendungDieFehlerbox() {
    Film("Das Boot", "2", "");
    const QString ziel = Datei("Liste.xls");
    SchreibBytes(ziel, "alt");
    Dialoge().Waehle(ziel);
    Automation().Scheitern = "CreateOleObject";
    H().Filmliste1->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 3);
    QCOMPARE(Dialoge().Boxen[2].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[2].Text, QStringLiteral("Testfehler."));
    QCOMPARE(Dialoge().Boxen[2].Symbol, TSymbol::Stop);
    QCOMPARE(LiesBytes(ziel), QByteArray("alt"));
    QCOMPARE(Automation().Protokoll, (std::vector<std::string>{"CreateOleObject(\"Excel.Application\")"}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }
};

QTEST_MAIN(TestExcelexport)
#include "test_Excelexport.moc"
