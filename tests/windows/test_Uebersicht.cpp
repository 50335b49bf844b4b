// The table overview and its detail view: the fills for films and games,
// their refusals, placement, and the detail view of a row double-clicked or
// opened with Return.

#include "support/Programmtest.h"
#include "support/Raster.h"
#include "windows/FFDetailansicht.h"
#include "windows/FFUebersicht.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

class TestUebersicht : public TProgrammTest {
  Q_OBJECT

  TFUebersicht& U() { return *Programm->Fenster().FUebersicht; }
  TFDetailansicht& D() { return *Programm->Fenster().FDetailansicht; }

  void FuenfSpiele() {
    for (int i = 1; i <= 5; ++i)
      H().DatBas->AddSpiel({"Spiel " + std::to_string(i), std::to_string(i), "Genre " + std::to_string(i),
                            "Kommentar " + std::to_string(i)});
  }

  // What the windowing system sends for a double-click: a click, then the
  // second press as a double-click.
  static void DoppelklickAuf(QWidget* widget, QPoint ort) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, ort);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, ort);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, ort);
  }

  // Does what ausloeser does in the shown overview; pruefe runs while the
  // detail view is up and must close it. False when no detail view came.
  bool Oeffnet(const std::function<void()>& ausloeser, const std::function<void()>& pruefe) {
    bool gesehen = false;
    QTimer::singleShot(0, &D(), [&] {
      gesehen = D().isVisible() && D().isModal();
      pruefe();
      if (D().isVisible()) D().close();
    });
    ausloeser();
    return gesehen;
  }

  bool Doppelklick(int zeile, const std::function<void()>& pruefe) {
    const QRect zelle = U().SGTab->visualRect(U().SGTab->model()->index(zeile - 1, 1));
    return Oeffnet([&] { DoppelklickAuf(U().SGTab->viewport(), zelle.center()); }, pruefe);
  }

private slots:
  void init() {
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  void leereSammlungZeigtNichts() {
    QVERIFY(!U().Fuelle(TSammlungsart::Filme));
    QVERIFY(!U().Fuelle(TSammlungsart::Spiele));
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Es sind keine Filme eingetragen!"));
    QCOMPARE(Dialoge().Boxen[1].Text, QStringLiteral("Es sind keine Spiele eingetragen!"));
    for (const TGezeigteBox& box : Dialoge().Boxen) {
      QCOMPARE(box.Titel, QStringLiteral("Fehler"));
      QCOMPARE(box.Knoepfe, TKnoepfe::Ok);
      QCOMPARE(box.Symbol, TSymbol::Ausrufezeichen);
    }

    // A refused fill leaves what the last fill put there.
    H().DatBas->AddFilm({"Alien", "2", "DivX 5.x", "Horror", "Director's Cut"});
    QVERIFY(U().Fuelle(TSammlungsart::Filme));
    QVERIFY(!U().Fuelle(TSammlungsart::Spiele));
    QCOMPARE(U().windowTitle(), QStringLiteral("Scheibwart - Tabellansicht: Filme"));
    QCOMPARE(Rasterzeilen(U().SGTab), 2);
    QVERIFY(!U().isVisible());
  }

  void fuellenMitFilmenUndSpielen() {
    H().DatBas->AddFilm({"Alien", "2", "DivX 5.x", "Horror", "Director's Cut"});
    FuenfSpiele();
    QVERIFY(U().Fuelle(TSammlungsart::Filme));
    QCOMPARE(U().windowTitle(), QStringLiteral("Scheibwart - Tabellansicht: Filme"));
    QCOMPARE(Rasterzeilen(U().SGTab), 2);
    QCOMPARE(Rasterzeile(U().SGTab, 0), (QStringList{"#", "Film", "CDs", "CD-Format", "Genre", "Kommentar"}));
    QCOMPARE(Rasterzeile(U().SGTab, 1), (QStringList{"1", "Alien", "2", "DivX 5.x", "Horror", "Director's Cut"}));
    QCOMPARE(Spaltenbreiten(U().SGTab), (QList<int>{28, 305, 43, 110, 120, 240}));
    QCOMPARE(U().SGTab->GewaehlteZeile(), 0);

    U().SGTab->selectRow(3 - 1);
    QVERIFY(U().Fuelle(TSammlungsart::Spiele));
    QCOMPARE(U().windowTitle(), QStringLiteral("Scheibwart - Tabellansicht: Spiele"));
    QCOMPARE(Rasterzeilen(U().SGTab), 6);
    QCOMPARE(Rasterzeile(U().SGTab, 0), (QStringList{"#", "Spiel", "CDs", "Genre", "Kommentar"}));
    QCOMPARE(Rasterzeile(U().SGTab, 5), (QStringList{"5", "Spiel 5", "5", "Genre 5", "Kommentar 5"}));
    QCOMPARE(Spaltenbreiten(U().SGTab), (QList<int>{28, 338, 50, 180, 250}));
    QCOMPARE(U().SGTab->GewaehlteZeile(), 0);

    // What the spreadsheet export reads back is what the grid shows.
    QCOMPARE(U().Tabelle().ZeilenZahl(), 6);
    QCOMPARE(U().Tabelle().Zelle(5, 1), std::string("Spiel 5"));

    QVERIFY(U().Fuelle(TSammlungsart::Filme));
    QCOMPARE(Rasterzeile(U().SGTab, 0).size(), 6);
    QCOMPARE(Spaltenbreiten(U().SGTab).at(1), 305);
  }

  void ersteZentriertDannAufDerEckeDesHauptfensters() {
    FuenfSpiele();
    QVERIFY(U().Fuelle(TSammlungsart::Spiele));
    // Where the overview stands while it is shown modally.
    const auto gezeigtBei = [this] {
      QRect rahmen;
      QTimer::singleShot(0, &U(), [&] {
        rahmen = U().frameGeometry();
        U().SpeedButton1->click();
      });
      U().ShowModal();
      return rahmen;
    };

    // The first time centred over the main window, as far as the screen allows.
    const QRect erst = gezeigtBei();
    QRect erwartet = erst;
    erwartet.moveCenter(H().frameGeometry().center());
    const QRect platz = U().screen()->availableGeometry();
    if (erwartet.right() > platz.right()) erwartet.moveRight(platz.right());
    if (erwartet.left() < platz.left()) erwartet.moveLeft(platz.left());
    if (erwartet.bottom() > platz.bottom()) erwartet.moveBottom(platz.bottom());
    if (erwartet.top() < platz.top()) erwartet.moveTop(platz.top());
    QVERIFY((erst.center() - erwartet.center()).manhattanLength() <= 2);

    // Every later time on the main window's top-left corner.
    for (const QPoint& ecke : {QPoint(40, 30), QPoint(70, 10)}) {
      H().move(ecke);
      QCOMPARE(gezeigtBei().topLeft(), H().frameGeometry().topLeft());
    }
  }

  void detailansichtEinesSpielsUndEinesFilms() {
    FuenfSpiele();
    H().DatBas->AddFilm({"Metropolis", "1", "SVCD", "Stummfilm", "Fritz Lang"});
    H().DatBas->AddFilm({"M\xFC" "nchhausen", "2", "DVD", "Kom\xF6" "die", "B\xE4ren"});
    QVERIFY(U().Fuelle(TSammlungsart::Spiele));
    U().show();

    QVERIFY(Doppelklick(4, [&] {
      QCOMPARE(D().GB->title(), QStringLiteral(" Spiel # 4 : "));
      QCOMPARE(D().EName->text(), QStringLiteral("Spiel 4"));
      QCOMPARE(D().ECDanzahl->text(), QStringLiteral("4"));
      QCOMPARE(D().ECDFormat->text(), QStringLiteral(" "));
      QVERIFY(!D().ECDFormat->isEnabled());
      QVERIFY(!D().Label3->isEnabled());
      QCOMPARE(D().EGenre->text(), QStringLiteral("Genre 4"));
      QCOMPARE(D().EKommentar->text(), QStringLiteral("Kommentar 4"));
      QCOMPARE(D().pos(), U().frameGeometry().topLeft() + QPoint(19, 36));
      // Escape in a field closes the detail view, not the overview.
      QTest::keyClick(D().EName, Qt::Key_Escape);
      QVERIFY(!D().isVisible());
      QVERIFY(U().isVisible());
    }));

    QVERIFY(U().Fuelle(TSammlungsart::Filme));
    QVERIFY(Doppelklick(2, [&] {
      QCOMPARE(D().GB->title(), QStringLiteral(" Film # 2 : "));
      QCOMPARE(D().EName->text(), QStringLiteral("Münchhausen"));
      QCOMPARE(D().ECDFormat->text(), QStringLiteral("DVD"));
      QVERIFY(D().ECDFormat->isEnabled());
      QVERIFY(D().Label3->isEnabled());
      QCOMPARE(D().EGenre->text(), QStringLiteral("Komödie"));
      QCOMPARE(D().EKommentar->text(), QStringLiteral("Bären"));
      QTest::keyClick(&D(), Qt::Key_A);
      QTest::keyClick(&D(), Qt::Key_Return);
      QVERIFY(D().isVisible());
      QTest::keyClick(&D(), Qt::Key_Escape);
      QVERIFY(!D().isVisible());
    }));

    QVERIFY(Doppelklick(1, [&] {
      QTest::mouseClick(D().Label6, Qt::LeftButton);
      QVERIFY(!D().isVisible());
    }));
    QVERIFY(U().isVisible());
  }

  // Return or Enter opens the row the arrow keys went to, as a double-click
  // on it does.
  void eingabetasteOeffnetDieZeile() {
    FuenfSpiele();
    QVERIFY(U().Fuelle(TSammlungsart::Spiele));
    U().show();
    U().SGTab->setFocus();
    QTest::keyClick(U().SGTab, Qt::Key_Home, Qt::ControlModifier);
    for (int mal = 0; mal < 3; ++mal) QTest::keyClick(U().SGTab, Qt::Key_Down);
    QVERIFY(Oeffnet([&] { QTest::keyClick(U().SGTab, Qt::Key_Return); }, [&] {
      QCOMPARE(D().GB->title(), QStringLiteral(" Spiel # 4 : "));
      QCOMPARE(D().EName->text(), QStringLiteral("Spiel 4"));
      QTest::keyClick(&D(), Qt::Key_Escape);
    }));
    QCOMPARE(U().SGTab->GewaehlteZeile(), 4);
    QTest::keyClick(U().SGTab, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(Oeffnet([&] { QTest::keyClick(U().SGTab, Qt::Key_Enter, Qt::KeypadModifier); },
                    [&] { QCOMPARE(D().EName->text(), QStringLiteral("Spiel 1")); }));
    QVERIFY(U().isVisible());
  }

  void kopfzeileLeerflaecheUndLeertasteOeffnenNichts() {
    FuenfSpiele();
    QVERIFY(U().Fuelle(TSammlungsart::Spiele));
    U().show();
    // A watch that closes any detail view that comes up, so none can hang.
    bool geoeffnet = false;
    QTimer wache;
    connect(&wache, &QTimer::timeout, &D(), [&] {
      if (!D().isVisible()) return;
      geoeffnet = true;
      D().close();
    });
    wache.start(0);
    QHeaderView* kopf = U().SGTab->horizontalHeader();
    DoppelklickAuf(kopf->viewport(), QPoint(40, kopf->height() / 2));
    DoppelklickAuf(U().SGTab->viewport(), QPoint(40, U().SGTab->viewport()->height() - 5));
    U().SGTab->selectRow(0);
    U().SGTab->setFocus();
    QTest::keyClick(U().SGTab, Qt::Key_Space);
    QTest::qWait(10);
    QVERIFY(!geoeffnet);
  }

  void hunderttausendZeilen() {
    for (int i = 1; i <= 100000; ++i) H().DatBas->AddFilm({"Film", "1", "DVD", "Genre", "Kommentar"});
    QElapsedTimer uhr;
    uhr.start();
    QVERIFY(U().Fuelle(TSammlungsart::Filme));
    U().show();
    QCoreApplication::processEvents();
    U().SGTab->scrollToBottom();
    QCoreApplication::processEvents();
    qInfo("100000 Filme gefüllt und gezeigt in %lld ms", static_cast<long long>(uhr.elapsed()));
    QCOMPARE(Rasterzeilen(U().SGTab), 100001);
    QCOMPARE(Rasterzeile(U().SGTab, 100000).first(), QStringLiteral("100000"));
    // The numbers are not cut off, and the grid does not move sideways for them.
    const int rand = U().SGTab->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, U().SGTab) + 1;
    QVERIFY(U().SGTab->columnWidth(0) >= U().SGTab->fontMetrics().horizontalAdvance(QStringLiteral("100000")) + 2 * rand);
    QCOMPARE(U().SGTab->horizontalScrollBar()->maximum(), 0);
  }
};

QTEST_MAIN(TestUebersicht)
#include "test_Uebersicht.moc"
