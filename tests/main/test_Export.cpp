// The export commands' frame: the empty check, the dialogs, writing, the
// success prompt and handing the file to the desktop; and the film lookup.

#include "support/Programmtest.h"
#include "support/Testordner.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

class TestExport : public TProgrammTest {
  Q_OBJECT

  QTemporaryDir Daten;

  QString Datei(const char* name) { return Daten.filePath(QString::fromLatin1(name)); }

  void EinFilm() {
    H().EFFilm->setText(QStringLiteral("Das Boot"));
    H().EFCDAnzahl->setText(QStringLiteral("2"));
    H().SBFilmadd->click();
    H().Modified = false;
  }

  const QString Erfolg = QStringLiteral(
      "Die Daten der CD-Sammlungen wurden erfolgreich in den Report geschrieben!\n"
      "Wollen Sie die Datei nun mit der Standardanwendung öffnen?");

private slots:
  void init() {
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  void berichteBrauchenDaten() {
    H().txtexport->trigger();
    QTest::keyClick(&H(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(Dialoge().Boxen.size(), 2);
    for (const TGezeigteBox& box : Dialoge().Boxen) {
      QCOMPARE(box.Titel, QStringLiteral("Fehler:"));
      QCOMPARE(box.Text, QStringLiteral("Keine Daten vorhanden"));
      QCOMPARE(box.Symbol, TSymbol::Ausrufezeichen);
    }
    // A lending entry alone is enough.
    Dialoge().Vergiss();
    Dialoge().Tippe(QStringLiteral("an Jörg"));
    H().SBVerleihadd->click();
    Dialoge().BrichAb();
    QTest::keyClick(&H(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(Dialoge().Boxen.last().Art, TGezeigteBox::TArt::Datei);
  }

  void textberichtSchreibenUndOeffnen() {
    EinFilm();
    const QString ziel = Datei("Liste.txt");
    Dialoge().Waehle(ziel);
    Dialoge().Frage(TAntwort::Nein);
    H().txtexport->trigger();
    const TGezeigteBox& dialog = Dialoge().Boxen[0];
    QCOMPARE(dialog.Titel, QStringLiteral("als Textdatei exportieren"));
    QCOMPARE(dialog.Filter, QStringLiteral("Textdateien (*.txt)|*.txt|alle Dateien (*.*)|*.*"));
    QCOMPARE(dialog.DefaultExt, QStringLiteral("txt"));
    QCOMPARE(dialog.Text, QStringLiteral("Scheibwart Liste"));
    QVERIFY(dialog.OverwritePrompt);
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Export erfolgreich beendet"));
    QCOMPARE(Dialoge().Boxen[1].Text, Erfolg);
    QCOMPARE(Dialoge().Boxen[1].Knoepfe, TKnoepfe::JaNein);
    QVERIFY(LiesBytes(ziel).startsWith(" \r\n Filmliste: \r\n ********** \r\n \r\n Das Boot  ( 2 *  )\r\n"));
    QVERIFY(LiesBytes(ziel).endsWith(" \r\n \r\n"));
    QVERIFY(Umwelt->Shell.Aufrufe.isEmpty());
    QVERIFY(!H().Modified);

    // Yes hands the file to the desktop: its name, in its folder. The dialog
    // proposes the file chosen last.
    Dialoge().Vergiss();
    Dialoge().Waehle(ziel);
    Dialoge().Frage(TAntwort::Ja);
    H().txtexport->trigger();
    QCOMPARE(Dialoge().Boxen[0].Text, ziel);
    QCOMPARE(Umwelt->Shell.Aufrufe,
             (QList<QPair<QString, QString>>{{QStringLiteral("Liste.txt"), Daten.path() + QLatin1Char('/')}}));
  }

  void htmlSeite() {
    EinFilm();
    const QString ziel = Datei("Liste.html");
    Dialoge().Waehle(ziel);
    Dialoge().Frage(TAntwort::Nein);
    H().HTMLDateihtmhtml1->trigger();
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("als HTML-Datei exportieren"));
    QCOMPARE(Dialoge().Boxen[0].DefaultExt, QStringLiteral("html"));
    QCOMPARE(Dialoge().Boxen[1].Text, Erfolg);
    QVERIFY(LiesBytes(ziel).startsWith("<html>\r\n"));
    QVERIFY(LiesBytes(ziel).contains("<td>Das Boot</td>"));
  }

  void difDateienOhneLeerPruefung() {
    const QString ziel = Datei("Filme.dif");
    Dialoge().Waehle(ziel);
    Dialoge().Frage(TAntwort::Nein);
    H().ExportDifFilm->trigger();
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("als Exceldatei exportieren"));
    QCOMPARE(Dialoge().Boxen[0].Filter, QStringLiteral("Excel-Dateien (*.dif)|*.dif"));
    QCOMPARE(Dialoge().Boxen[1].Text,
             QStringLiteral("Die Daten wurden erfolgreich in den Report geschrieben!\n"
                            "Wollen Sie die Datei nun mit der Standardanwendung öffnen?\n\nHinweis:\n"
                            "Sollten *.dif-Dateien auf das Programm \"Quicktime\" registriert\n"
                            "sein, öffnen Sie die gespeicherte Datei manuell mit Excel."));
    QVERIFY(LiesBytes(ziel).startsWith("TABLE\r\n0,1\r\n\"EXCEL\"\r\n"));
    QVERIFY(LiesBytes(ziel).contains("\"Die CD-Sammlung enthaelt 0 Filme\""));

    // Both DIF exports share one dialog: it proposes the film file for the games.
    Dialoge().Vergiss();
    Dialoge().Waehle(Datei("Spiele.dif"));
    Dialoge().Frage(TAntwort::Ja);
    H().ExportDifSpiel->trigger();
    QCOMPARE(Dialoge().Boxen[0].Text, ziel);
    QVERIFY(LiesBytes(Datei("Spiele.dif")).contains("\"Die CD-Sammlung enthaelt 0 Spiele\""));
    QCOMPARE(Umwelt->Shell.Aufrufe.size(), 1);
    QCOMPARE(Umwelt->Shell.Aufrufe[0].first, QStringLiteral("Spiele.dif"));
  }

  void abbrechenUndFehler() {
    EinFilm();
    Dialoge().BrichAb();
    H().txtexport->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 1);

    const QString ziel = Datei("fehlt/Liste.txt");
    Dialoge().Waehle(ziel);
    H().txtexport->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 3);  // no success prompt after the error box
    QCOMPARE(Dialoge().Boxen[2].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[2].Text, QStringLiteral("Datei ") + ziel + QStringLiteral(" kann nicht erstellt werden."));
    QCOMPARE(Dialoge().Boxen[2].Symbol, TSymbol::Stop);
    QCOMPARE(H().DatBas->FilmCount(), 1);
  }

  void filmSuche() {
    Dialoge().BrichEingabeAb();
    H().SpeedButtonkino->click();
    QVERIFY(Umwelt->Shell.Aufrufe.isEmpty());
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("(Eingabe nicht zwingend erforderlich)"));
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Nach welchem Film suchen Sie?"));

    Dialoge().Tippe(QStringLiteral("Die Brücke & Co"));
    H().SpeedButtonkino->click();
    QCOMPARE(Umwelt->Shell.Aufrufe.size(), 1);
    QVERIFY(Umwelt->Shell.Aufrufe[0].first.contains(QStringLiteral("Die%20Br%C3%BCcke%20%26%20Co")));
    QCOMPARE(Umwelt->Shell.Aufrufe[0].second, Umwelt->Programmordner.path());
    QVERIFY(!H().Modified);
  }
};

QTEST_MAIN(TestExport)
#include "test_Export.moc"
