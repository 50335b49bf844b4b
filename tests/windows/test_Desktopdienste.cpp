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
private slots:
  void shellStartetXdgOpenImOrdner() {
    // A stand-in xdg-open that writes down its folder and its arguments.
    QTemporaryDir werkzeuge;
    QTemporaryDir arbeitsordner(QDir::tempPath() + QStringLiteral("/Ordner mit Blanks XXXXXX"));
    const QString protokoll = werkzeuge.filePath(QStringLiteral("aufruf.txt"));
    QFile skript(werkzeuge.filePath(QStringLiteral("xdg-open")));
    QVERIFY(skript.open(QIODevice::WriteOnly));
    skript.write("#!/bin/sh\n{ pwd; printf '%s\\n' \"$#\" \"$@\"; } > '" + protokoll.toUtf8() + ".tmp'\n"
                 "mv '" + protokoll.toUtf8() + ".tmp' '" + protokoll.toUtf8() + "'\n");
    skript.close();
    skript.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("PATH", werkzeuge.path().toUtf8() + ':' + qgetenv("PATH"));

    const QString item = QStringLiteral("Sammlung & Liste \"neu\" $HOME.txt");
    TXdgShell().Oeffnen(item, arbeitsordner.path());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(protokoll), 5000);
    QFile ergebnis(protokoll);
    QVERIFY(ergebnis.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(ergebnis.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(zeilen.value(0), arbeitsordner.path());
    QCOMPARE(zeilen.value(1), QStringLiteral("1"));
    QCOMPARE(zeilen.value(2), item);
  }

  void zwischenablageBehaeltZeilenenden() {
    const QString text = QStringLiteral("Zeile eins\r\nÄrger – zwei\r\n \r\n");
    TQtZwischenablage().SetzeText(text);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
  }
};

QTEST_MAIN(TestDesktopdienste)
#include "test_Desktopdienste.moc"
