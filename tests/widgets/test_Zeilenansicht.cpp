// The list of equal lines looks and behaves as a QListView that measures
// every line and cuts a line too wide rather than shortening it: the same
// picture, scroll bars, current and selected line, and the same line at every
// point, after every step of keys, clicks, scrolling and changes of the lines.

#include "widgets/Zeilenansicht.h"

#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

#include <functional>

namespace {

using TSchritt = std::function<void(QListView&, QStringListModel&)>;

struct TBild {
  QImage Bild;
  QString Zustand;
};

QString Zustand(QListView& liste) {
  QString text;
  for (const QScrollBar* leiste : {liste.verticalScrollBar(), liste.horizontalScrollBar()})
    text += QStringLiteral("[%1..%2 %3 %4 %5 %6] ")
                .arg(leiste->minimum()).arg(leiste->maximum()).arg(leiste->value())
                .arg(leiste->pageStep()).arg(leiste->singleStep()).arg(leiste->isVisible());
  text += QStringLiteral("aktuell %1 ").arg(liste.currentIndex().row());
  for (const QModelIndex& index : liste.selectionModel()->selectedIndexes()) text += QStringLiteral("gewählt %1 ").arg(index.row());
  for (int y = -3; y < liste.viewport()->height() + 5; y += 5)
    for (int x : {-1, 4, liste.viewport()->width() - 1})
      text += QString::number(liste.indexAt({x, y}).row()) + QLatin1Char(',');
  return text;
}

QList<TBild> Ablauf(QListView* liste, const QStringList& zeilen, const QList<TSchritt>& schritte) {
  QStringListModel modell(zeilen);
  liste->setModel(&modell);
  liste->resize(160, 90);
  liste->show();
  if (!QTest::qWaitForWindowActive(liste)) return {};
  liste->setFocus();
  QList<TBild> bilder;
  for (const TSchritt& schritt : schritte) {
    schritt(*liste, modell);
    QCoreApplication::processEvents();
    bilder.append({liste->grab().toImage(), Zustand(*liste)});
  }
  delete liste;
  return bilder;
}

TSchritt Taste(Qt::Key taste) {
  return [taste](QListView& liste, QStringListModel&) { QTest::keyClick(&liste, taste); };
}
TSchritt Klick(QPoint punkt) {
  return [punkt](QListView& liste, QStringListModel&) { QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, punkt); };
}
TSchritt Rolle(int wert) {
  return [wert](QListView& liste, QStringListModel&) { liste.verticalScrollBar()->setValue(wert); };
}
TSchritt GroessereSchrift() {
  return [](QListView& liste, QStringListModel&) {
    QFont schrift = liste.font();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.5);
    liste.setFont(schrift);
  };
}
TSchritt Entferne(int row) {
  return [row](QListView&, QStringListModel& modell) { modell.removeRows(row < 0 ? modell.rowCount() - 1 : row, 1); };
}
TSchritt Setze(int row, const QString& text) {
  return [row, text](QListView&, QStringListModel& modell) {
    if (row == modell.rowCount()) modell.insertRows(row, 1);
    modell.setData(modell.index(row), text);
  };
}

}  // namespace

class TestZeilenansicht : public QObject {
  Q_OBJECT

private slots:
  void wieQListView_data() {
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("lang");  // the row that is wider than the list, -1 for none
    for (int anzahl : {3, 40})
      for (int lang : {-1, 0, anzahl - 1}) QTest::addRow("%d Zeilen, lang %d", anzahl, lang) << anzahl << lang;
  }

  void wieQListView() {
    QFETCH(int, anzahl);
    QFETCH(int, lang);
    QStringList zeilen;
    for (int i = 0; i < anzahl; ++i)
      zeilen << (i == lang ? QStringLiteral("Eine Zeile, die breiter ist als die ganze Liste") : QStringLiteral("Zeile %1").arg(i));
    const QString breit = QStringLiteral("Nun ist die letzte Zeile breiter als die Liste");
    const QList<TSchritt> schritte = {
        Taste(Qt::Key_Down), Taste(Qt::Key_PageDown), Taste(Qt::Key_PageDown), Taste(Qt::Key_End),
        Taste(Qt::Key_PageUp), Taste(Qt::Key_Up), Taste(Qt::Key_Home), Taste(Qt::Key_Right),
        Klick({10, 20}), Klick({10, 85}), Rolle(2), Rolle(100), GroessereSchrift(), Entferne(-1), Entferne(0),
        Setze(anzahl - 2, breit), Setze(anzahl - 2, QStringLiteral("kurz")), Taste(Qt::Key_End), Rolle(0)};
    auto qt = new QListView;
    qt->setTextElideMode(Qt::ElideNone);
    const QList<TBild> soll = Ablauf(qt, zeilen, schritte);
    const QList<TBild> ist = Ablauf(new TZeilenansicht, zeilen, schritte);
    QCOMPARE(ist.size(), schritte.size());
    QCOMPARE(soll.size(), schritte.size());
    for (int i = 0; i < schritte.size(); ++i) {
      QCOMPARE(ist[i].Zustand, soll[i].Zustand);
      QVERIFY2(ist[i].Bild == soll[i].Bild, qPrintable(QStringLiteral("Schritt %1").arg(i)));
    }
  }

  // A list too long to measure at once finds its widest line in the
  // background, also while lines come and go, and knows where it went.
  void langeListeFindetDieBreitesteZeile() {
    QStringList zeilen(50000, QStringLiteral("kurz"));
    zeilen[40000] = QStringLiteral("Eine Zeile, die breiter ist als die ganze Liste");
    QStringListModel modell(zeilen);
    TZeilenansicht liste;
    liste.setModel(&modell);
    liste.resize(160, 90);
    liste.show();
    QVERIFY(QTest::qWaitForWindowExposed(&liste));
    modell.removeRows(0, 10);  // while it measures
    QTRY_VERIFY(liste.horizontalScrollBar()->maximum() > 0);
    modell.insertRows(0, 5);
    modell.removeRows(39995, 1);  // the wide line
    QTRY_COMPARE(liste.horizontalScrollBar()->maximum(), 0);
  }
};

QTEST_MAIN(TestZeilenansicht)
#include "test_Zeilenansicht.moc"
