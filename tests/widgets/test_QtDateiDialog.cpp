// Qt's own file dialog, as tests and desktops without one of their own show
// it: a typed name is saved under exactly that name, double quotes included,
// and an existing one is only replaced when the user says so. And Qt's
// message box, which shows every character of its text.

#include "widgets/DateiDialog.h"
#include "widgets/QtDateiDialog.h"
#include "widgets/QtDialoge.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestQtDateiDialog : public QObject {
  Q_OBJECT

  // Types the name into the dialog once it is open and presses Enter; a
  // replace question that follows is answered with antwort.
  static void TippeName(const QString& name, QMessageBox::StandardButton antwort = QMessageBox::NoButton) {
    QTimer::singleShot(0, [=] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      if (antwort != QMessageBox::NoButton) {
        QTimer::singleShot(0, [=] {
          auto* frage = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
          QVERIFY(frage != nullptr);
          frage->button(antwort)->click();
          if (antwort == QMessageBox::No) QTimer::singleShot(0, dialog, &QWidget::close);
        });
      }
      auto* feld = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(feld != nullptr);
      feld->setText(name);
      QTest::keyClick(feld, Qt::Key_Return);
    });
  }

private slots:
  void nameMitAnfuehrungszeichen() {
    QTemporaryDir ordner;
    TQtDialoge qt;
    TDateiDialog dialog(TDateiDialog::TArt::Speichern, qt, nullptr);
    dialog.Title = QStringLiteral("als Textdatei exportieren");
    dialog.Filter = QStringLiteral("Textdateien (*.txt)|*.txt");
    dialog.DefaultExt = QStringLiteral("txt");
    dialog.InitialDir = ordner.path();
    dialog.OverwritePrompt = true;
    const QString pate = ordner.filePath(QStringLiteral("Der \"Pate\" Teil 2.txt"));

    TippeName(QStringLiteral("Der \"Pate\" Teil 2"));
    QCOMPARE(qt.Datei(nullptr, dialog), std::optional<QString>(pate));

    QFile(pate).open(QIODevice::WriteOnly);
    TippeName(QStringLiteral("Der \"Pate\" Teil 2.txt"), QMessageBox::No);
    QCOMPARE(qt.Datei(nullptr, dialog), std::nullopt);
    TippeName(QStringLiteral("Der \"Pate\" Teil 2.txt"), QMessageBox::Yes);
    QCOMPARE(qt.Datei(nullptr, dialog), std::optional<QString>(pate));

    TippeName(QStringLiteral("Liste"));  // names without quotes go Qt's own way
    QCOMPARE(qt.Datei(nullptr, dialog), std::optional<QString>(ordner.filePath(QStringLiteral("Liste.txt"))));
  }

  // Each filter's description reads exactly as the program gives it, with
  // or without patterns of its own in it.
  void filterZeigenIhreBeschreibung_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("beschreibungen");
    QTest::addRow("Sammlung") << QStringLiteral("Scheibwart - Listen *.swl|*.swl")
                              << QStringList{QStringLiteral("Scheibwart - Listen *.swl")};
    QTest::addRow("Text") << QStringLiteral("Textdateien (*.txt)|*.txt|alle Dateien (*.*)|*.*")
                          << QStringList{QStringLiteral("Textdateien (*.txt)"), QStringLiteral("alle Dateien (*.*)")};
    QTest::addRow("mehrere Muster") << QStringLiteral("Bilder|*.png;*.jpg") << QStringList{QStringLiteral("Bilder")};
  }

  void filterZeigenIhreBeschreibung() {
    QFETCH(QString, filter);
    QFETCH(QStringList, beschreibungen);
    TQtDialoge qt;
    TDateiDialog dialog(TDateiDialog::TArt::Oeffnen, qt, nullptr);
    dialog.Filter = filter;
    TQtDateiDialog fenster(nullptr, dialog);
    const auto* auswahl = fenster.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(auswahl != nullptr);
    QStringList gezeigt;
    for (int i = 0; i < auswahl->count(); ++i) gezeigt << auswahl->itemText(i);
    QCOMPARE(gezeigt, beschreibungen);
    // The desktop's dialog names a filter by what stands before its first "(".
    for (int i = 0; i < beschreibungen.size(); ++i)
      if (!beschreibungen[i].contains(QLatin1Char('(')))
        QCOMPARE(fenster.nameFilters()[i].left(fenster.nameFilters()[i].indexOf(QLatin1Char('('))), beschreibungen[i]);
  }

  // The name a save dialog gives and whether the replace question is still
  // due. A desktop's dialog has asked for the name as typed (gefragt), Qt's
  // own dialog for a name with quotes has not.
  void speicherziel_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("endung");
    QTest::addColumn<bool>("gefragt");
    QTest::addColumn<QStringList>("vorhanden");
    QTest::addColumn<QString>("datei");
    QTest::addColumn<bool>("fragen");
    const QStringList keine;
    const QString ziel = QStringLiteral("ziel"), swl = QStringLiteral("swl"), zielSwl = QStringLiteral("ziel.swl");
    QTest::newRow("ohne Endung, Datei mit Endung da") << ziel << swl << true << QStringList{zielSwl} << zielSwl << true;
    QTest::newRow("mit Endung getippt, schon gefragt") << zielSwl << swl << true << QStringList{zielSwl} << zielSwl << false;
    QTest::newRow("neue Datei") << ziel << swl << true << keine << zielSwl << false;
    QTest::newRow("nur der getippte Name da") << ziel << swl << true << QStringList{ziel} << zielSwl << false;
    QTest::newRow("ohne Vorgabe-Endung") << ziel << QString() << true << QStringList{ziel} << ziel << false;
    QTest::newRow("andere Endung bleibt") << QStringLiteral("bericht.alt") << QStringLiteral("txt") << true
                                          << QStringList{QStringLiteral("bericht.alt.txt")}
                                          << QStringLiteral("bericht.alt") << false;
    QTest::newRow("Punkt im Ordner zaehlt nicht") << QStringLiteral("a.b/ziel") << swl << true
                                                  << QStringList{QStringLiteral("a.b/ziel.swl")}
                                                  << QStringLiteral("a.b/ziel.swl") << true;
    QTest::newRow("noch nicht gefragt") << zielSwl << swl << false << QStringList{zielSwl} << zielSwl << true;
  }

  void speicherziel() {
    QFETCH(QString, getippt);
    QFETCH(QString, endung);
    QFETCH(bool, gefragt);
    QFETCH(QStringList, vorhanden);
    QFETCH(QString, datei);
    QFETCH(bool, fragen);
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir(QStringLiteral("a.b"));
    for (const QString& name : vorhanden) QVERIFY(QFile(ordner.filePath(name)).open(QIODevice::WriteOnly));
    const TSpeicherziel ziel = Speicherziel(ordner.filePath(getippt), endung, gefragt);
    QCOMPARE(ziel.Datei, ordner.filePath(datei));
    QCOMPARE(ziel.Fragen, fragen);
  }

  // A stretch without a place to wrap (a web address, a note without blanks)
  // is broken into lines that fit the box; other texts are left alone.
  void meldungZeigtJedesZeichen() {
    TQtDialoge qt;
    const QString strecke = QStringLiteral("Anmerkung_") + QString(240, QLatin1Char('x'));
    for (const QString& text : {strecke, QStringLiteral("Es wurde(n) 3 Film(e) gefunden.")}) {
      QString gezeigt;
      bool passt = true;
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        const auto* zeile = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(zeile != nullptr);
        gezeigt = zeile->text();
        for (const QString& teil : gezeigt.split(QLatin1Char('\n')))
          passt = passt && zeile->fontMetrics().horizontalAdvance(teil) <= zeile->contentsRect().width();
        box->button(QMessageBox::Ok)->click();
      });
      QCOMPARE(qt.Meldung(nullptr, QStringLiteral("Scheibwart v1.0"), text, TKnoepfe::Ok, TSymbol::Keins),
               TAntwort::Ok);
      QVERIFY(passt);
      QCOMPARE(QString(gezeigt).remove(QLatin1Char('\n')), text);
    }
  }
};

QTEST_MAIN(TestQtDateiDialog)
#include "test_QtDateiDialog.moc"
