// The desktop services: xdg-open gets the item and the folder whole, the
// clipboard gets the text unchanged.

#include "windows/Shell.h"
#include "windows/Zwischenablage.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

class TestDesktopdienste : public QObject {
  Q_OBJECT

  // A stand-in xdg-open, first on the search path, that writes down its
  // folder and its arguments.
  QTemporaryDir Werkzeuge;
  QString Protokoll() const { return Werkzeuge.filePath(QStringLiteral("aufruf.txt")); }

  // The folder and the arguments of the xdg-open that opening item started.
  QStringList Aufruf(const QString& item, const QString& verzeichnis) {
    QFile::remove(Protokoll());
    TXdgShell().Oeffnen(item, verzeichnis);
    if (!QTest::qWaitFor([&] { return QFile::exists(Protokoll()); }, 5000)) return {};
    QFile ergebnis(Protokoll());
    if (!ergebnis.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(ergebnis.readAll()).split(QLatin1Char('\n'));
  }

private slots:
  void initTestCase() {
    const QByteArray protokoll = Protokoll().toUtf8();
    QFile skript(Werkzeuge.filePath(QStringLiteral("xdg-open")));
    QVERIFY(skript.open(QIODevice::WriteOnly));
    skript.write("#!/bin/sh\n{ pwd; printf '%s\\n' \"$#\" \"$@\"; } > '" + protokoll + ".tmp'\n"
                 "mv '" + protokoll + ".tmp' '" + protokoll + "'\n");
    skript.close();
    skript.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("PATH", Werkzeuge.path().toUtf8() + ':' + qgetenv("PATH"));
  }

  void shellStartetXdgOpenImOrdner() {
    QTemporaryDir arbeitsordner(QDir::tempPath() + QStringLiteral("/Ordner mit Blanks XXXXXX"));
    const QString item = QStringLiteral("Sammlung & Liste \"neu\" $HOME.txt");
    const QStringList zeilen = Aufruf(item, arbeitsordner.path());
    QCOMPARE(zeilen.value(0), arbeitsordner.path());
    QCOMPARE(zeilen.value(1), QStringLiteral("1"));
    QCOMPARE(zeilen.value(2), item);
  }

  // A file of the folder goes as "./name", so that xdg-open takes neither a
  // leading "-" for an option nor a colon for an address; addresses go whole.
  void dateiDesOrdnersWasImmerIhrNameIst() {
    QTemporaryDir ordner;
    for (const QString& name : {QStringLiteral("-Liste.txt"), QStringLiteral("Filme: Liste.txt")}) {
      QFile datei(ordner.filePath(name));
      QVERIFY(datei.open(QIODevice::WriteOnly));
      QCOMPARE(Aufruf(name, ordner.path() + QLatin1Char('/')).mid(0, 3),
               (QStringList{ordner.path(), "1", "./" + name}));
    }
    const QString adresse = QStringLiteral("https://www.example.com/find?q=x");
    QCOMPARE(Aufruf(adresse, ordner.path()).value(2), adresse);
  }

  void zwischenablageBehaeltZeilenenden() {
    const QString text = QStringLiteral("Zeile eins\r\nÄrger – zwei\r\n \r\n");
    TQtZwischenablage().SetzeText(text);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
  }
};

QTEST_MAIN(TestDesktopdienste)
#include "test_Desktopdienste.moc"
