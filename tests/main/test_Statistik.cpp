// The statistics panel follows the collection; its copy button puts the
// figures on the clipboard.

#include "main/Programm.h"
#include "model/USammlungsdatei.h"
#include "support/Testordner.h"
#include "support/Testumgebung.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestStatistik : public QObject {
  Q_OBJECT

  std::unique_ptr<TTestumgebung> Umwelt;
  std::unique_ptr<TProgramm> Programm;
  QTemporaryDir Daten;

  TFHaupt& H() { return Programm->Haupt(); }

  QStringList Labels() {
    return {H().LSF->text(), H().LSFW->text(), H().LSS->text(), H().LSSW->text(), H().LSV->text()};
  }

private slots:
  void init() {
    Programm.reset();
    Umwelt = std::make_unique<TTestumgebung>();
  }

  void cleanup() { Programm.reset(); }

  void panelUndZwischenablage() {
    TSammlung s;
    s.Filme = {{"Das Boot", "2", "", "", ""}, {"Heimat", "", "", "", ""}, {"Faust", "viele", "", "", ""}};
    s.Spiele = {{"Myst", "3", "", ""}};
    s.Verleih = {"a", "b"};
    s.SpielWuensche = {"Gothic II"};
    const QString pfad = Daten.filePath(QStringLiteral("s.swl"));
    SchreibBytes(pfad, AlsBytes(EncodeSammlung(s)));

    Programm = std::make_unique<TProgramm>(Umwelt->Umgebung({pfad}));
    QCOMPARE(Labels(), QStringList({"##", "##", "##", "##", "##"}));  // until the first showing
    Programm->Start();
    QCOMPARE(Labels(), QStringList({"3 (4 CDs)", "0", "1 (3 CDs)", "1", "2"}));

    H().SpeedButton1->click();
    H().SpeedButton1->click();
    const QString text = QStringLiteral(
        "Es befinden sich 3 Filme in Ihrer CD-Sammlung.\r\n"
        "Das sind insgesamt 3 CDs.\r\n"
        " \r\n"
        "Es befinden sich 1 Spiele in Ihrer CD-Sammlung.\r\n"
        "Das sind insgesamt 3 CDs.\r\n"
        " \r\n"
        "Es befinden sich 0 Einträge in Ihrer Film-Wunschliste.\r\n"
        " \r\n"
        "Es befinden sich 1 Einträge in Ihrer Spiele-Wunschliste.\r\n"
        " \r\n"
        "Es befinden sich 2 Einträge in Ihrer Verleih-Liste.\r\n");
    QCOMPARE(Umwelt->Zwischenablage.Texte, QStringList({text, text}));
    QCOMPARE(Labels(), QStringList({"3 (4 CDs)", "0", "1 (3 CDs)", "1", "2"}));
    QVERIFY(!H().Modified);

    H().MainNew->trigger();
    QCOMPARE(Labels(), QStringList({"0 (0 CDs)", "0", "0 (0 CDs)", "0", "0"}));
  }

  // A file that ends inside its third record: the panel counts the two whole
  // ones after the failure was shown, at start-up and after Open.
  void abgeschnitteneDatei() {
    TSammlung s;
    s.Filme = {{"Das Boot", "2", "", "", ""}, {"Heimat", "11", "", "", ""}, {"Faust", "1", "", "", ""}};
    s.FilmWuensche = {"Metropolis"};
    const QString pfad = Daten.filePath(QStringLiteral("kurz.swl"));
    SchreibBytes(pfad, AlsBytes(EncodeSammlung(s)).chopped(1000));

    Programm = std::make_unique<TProgramm>(Umwelt->Umgebung({pfad}));
    Programm->Start();
    const QStringList zweiFilme{"2 (13 CDs)", "1", "0 (0 CDs)", "0", "0"};
    QCOMPARE(Umwelt->Dialoge.Boxen.size(), 1);
    QCOMPARE(Umwelt->Dialoge.Boxen[0].Text, QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
    QCOMPARE(Labels(), zweiFilme);

    Umwelt->Dialoge.Waehle(pfad);
    H().MainLoad->trigger();
    QCOMPARE(Umwelt->Dialoge.Boxen.size(), 3);
    QCOMPARE(Umwelt->Dialoge.Boxen[2].Text, QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
    QCOMPARE(Labels(), zweiFilme);
    QCOMPARE(Umwelt->Dialoge.Unerwartet, 0);
  }

  // Large numbers are not cut off: a value label grows as far as its text
  // needs, the panel with it up to the window's edge, and a text too wide
  // even for that starts further left, clear of its caption. Everything
  // goes back to its size when the numbers fit again.
  void grosseZahlenWerdenNichtAbgeschnitten() {
    Programm = std::make_unique<TProgramm>(Umwelt->Umgebung());
    Programm->Start();
    QCOMPARE(H().LSF->geometry(), QRect(120, 32, 120, 14));
    QCOMPARE(H().GBStatistik->width(), 249);

    for (int i = 0; i < 100000; ++i) H().DatBas->AddFilm({"Film", "20000", "", "", ""});
    H().Sortieren1->actions().first()->menu()->actions().first()->trigger();  // the list follows the store
    H().SBStatistikClick();
    QCOMPARE(H().LSF->text(), QStringLiteral("100000 (2000000000 CDs)"));
    for (QLabel* wert : {H().LSF, H().LSFW, H().LSS, H().LSSW, H().LSV}) {
      QVERIFY(wert->width() >= wert->sizeHint().width());
      QVERIFY(wert->geometry().right() < H().GBStatistik->contentsRect().right());
      const QWidget* titel = H().GBStatistik->childAt(24, wert->y() + wert->height() / 2);
      QVERIFY(titel != nullptr && titel->geometry().right() < wert->x());
    }
    QVERIFY(H().GBStatistik->geometry().right() < TFHaupt::ClientBreite);
    QCOMPARE(H().LSFW->x(), 120);

    H().Modified = false;
    H().MainNew->trigger();
    QCOMPARE(H().LSF->geometry(), QRect(120, 32, 120, 14));
    QCOMPARE(H().GBStatistik->width(), 249);
  }
};

QTEST_MAIN(TestStatistik)
#include "test_Statistik.moc"
