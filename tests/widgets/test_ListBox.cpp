// The list box keeps a selected line while it has lines, and reports only
// the user's selections.

#include "widgets/ListBox.h"

#include <QSignalSpy>
#include <QTest>

class TestListBox : public QObject {
  Q_OBJECT

  static void Fuelle(TListBox& liste) {
    for (const char* zeile : {"eins", "zwei", "drei"}) liste.Add(QString::fromLatin1(zeile));
    liste.resize(200, 200);
    liste.show();
    QVERIFY(QTest::qWaitForWindowExposed(&liste));
  }

  static QPoint Mitte(const TListBox& liste, int zeile) {
    return liste.visualRect(liste.model()->index(zeile, 0)).center();
  }

private slots:
  void auswahlLaesstSichNichtAufheben() {
    TListBox liste;
    Fuelle(liste);
    liste.SetItemIndex(1);
    QCOMPARE(liste.ItemIndex(), 1);

    QTest::mouseClick(liste.viewport(), Qt::LeftButton, Qt::ControlModifier, Mitte(liste, 1));
    QCOMPARE(liste.ItemIndex(), 1);
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 190));
    QCOMPARE(liste.ItemIndex(), 1);
    QTest::keyClick(&liste, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(liste.ItemIndex(), 1);
    QTest::mouseClick(liste.viewport(), Qt::RightButton, Qt::NoModifier, Mitte(liste, 0));
    QCOMPARE(liste.ItemIndex(), 1);
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, Qt::ControlModifier, Mitte(liste, 2));
    QCOMPARE(liste.ItemIndex(), 2);
  }

  void nurDerBenutzerLoestClickAus() {
    TListBox liste;
    Fuelle(liste);
    QSignalSpy klicks(&liste, &TListBox::Click);
    liste.SetItemIndex(0);
    QCOMPARE(klicks.count(), 0);

    QTest::mouseClick(liste.viewport(), Qt::LeftButton, Qt::NoModifier, Mitte(liste, 2));
    QCOMPARE(klicks.count(), 1);
    QCOMPARE(liste.ItemIndex(), 2);
    liste.setFocus();
    QTest::keyClick(&liste, Qt::Key_Up);
    QCOMPARE(klicks.count(), 2);
    QCOMPARE(liste.ItemIndex(), 1);
    QTest::keyClick(&liste, Qt::Key_Home);
    QTest::keyClick(&liste, Qt::Key_Up);  // already at the top: no new selection
    QCOMPARE(klicks.count(), 3);
    QCOMPARE(liste.ItemIndex(), 0);
  }

  // The line added last and selected is wholly in sight in a list longer
  // than its box.
  void angefuegteZeileIstGanzZuSehen() {
    TListBox liste;
    for (int i = 0; i < 300; ++i) liste.Add(QStringLiteral("Zeile %1").arg(i));
    liste.resize(200, 200);
    liste.show();
    QVERIFY(QTest::qWaitForWindowExposed(&liste));
    liste.SetItemIndex(0);
    liste.Add(QStringLiteral("neu"));
    liste.SetItemIndex(300);
    const QRect zeile = liste.visualRect(liste.model()->index(300, 0));
    QVERIFY2(liste.viewport()->rect().contains(zeile), qPrintable(QStringLiteral("%1..%2 in 0..%3")
                                                                      .arg(zeile.top()).arg(zeile.bottom())
                                                                      .arg(liste.viewport()->height() - 1)));
  }

  void leereListeHatKeineAuswahl() {
    TListBox liste;
    QCOMPARE(liste.ItemIndex(), -1);
    liste.Add(QStringLiteral("eins"));
    QCOMPARE(liste.ItemIndex(), -1);  // the program selects, not the list itself
    liste.SetItemIndex(0);
    QCOMPARE(liste.ItemIndex(), 0);
    liste.Clear();
    QCOMPARE(liste.ItemIndex(), -1);
    liste.SetItemIndex(5);
    QCOMPARE(liste.ItemIndex(), -1);
  }
};

QTEST_MAIN(TestListBox)
#include "test_ListBox.moc"
