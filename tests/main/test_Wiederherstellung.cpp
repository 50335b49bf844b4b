// A save killed while it wrote a file in place left the previous version in
// the state folder: the next start offers each one back, oldest first, before
// the collection is loaded.

#include "main/Hauptformular.h"
#include "model/USammlungsdatei.h"
#include "widgets/ListBox.h"
#include "support/Programmtest.h"
#include "support/Testordner.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

class TestWiederherstellung : public TProgrammTest {
  Q_OBJECT

  QTemporaryDir Ordner;

  // A copy as a killed program of process id prozess leaves it: the previous
  // content, and beside it the name of its file; zeit is when it was made.
  QString LegeKopieAn(pid_t prozess, const QString& datei, const QByteArray& inhalt, qint64 zeit) {
    const QString zustand = Umwelt->Zustand.filePath(QStringLiteral("scheibwart"));
    QDir().mkpath(zustand);
    QFile::setPermissions(zustand, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString kopie = zustand + QStringLiteral("/Fassung-%1-0").arg(prozess);
    SchreibBytes(kopie, inhalt);
    SchreibBytes(kopie + QStringLiteral(".ort"), QFile::encodeName(datei));
    const utimbuf zeiten{zeit, zeit};
    utime(QFile::encodeName(kopie).constData(), &zeiten);
    return kopie;
  }

  static QString Frage(const QString& datei, qint64 zeit) {
    const QDateTime wann = QDateTime::fromSecsSinceEpoch(zeit);
    return QStringLiteral("Das Speichern von \u00BB%1\u00AB wurde am %2 um %3 unterbrochen; die Datei kann "
                          "unvollst\u00E4ndig sein.\nWollen Sie die vorherige Fassung wiederherstellen ?")
        .arg(datei, wann.toString(QStringLiteral("dd.MM.yyyy")), wann.toString(QStringLiteral("HH:mm")));
  }

private slots:
  void init() { Neu(); }
  void cleanup() { Beende(); }

  // Yes restores the collection that is then loaded, No drops the copy, and a
  // restore that fails keeps its copy and says why.
  void jaNeinUndFehler() {
    // Process ids of programs that have ended.
    pid_t beendet[3];
    for (pid_t& prozess : beendet) {
      prozess = fork();
      if (prozess == 0) _exit(0);
      waitpid(prozess, nullptr, 0);
    }
    TSammlung vorher;
    vorher.Filme = {{"Das Boot", "2", "DivX 5.x", "Kriegsfilm", "Director's Cut"}};
    const QByteArray alt = AlsBytes(EncodeSammlung(vorher));
    const QString sammlung = Ordner.filePath(QStringLiteral("a.swl")), bericht = Ordner.filePath(QStringLiteral("b.txt")),
                  fehlt = Ordner.filePath(QStringLiteral("weg.swl"));
    SchreibBytes(sammlung, alt.left(100));
    SchreibBytes(bericht, QByteArrayLiteral("halb"));
    const qint64 jetzt = QDateTime::currentSecsSinceEpoch();
    // Made in another order than they are offered.
    const QString kopieBericht = LegeKopieAn(beendet[0], bericht, QByteArrayLiteral("alter Bericht"), jetzt - 3600);
    LegeKopieAn(beendet[1], sammlung, alt, jetzt - 7200);
    const QString kopieFehlt = LegeKopieAn(beendet[2], fehlt, alt, jetzt - 60);

    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Frage(TAntwort::Nein);
    Dialoge().Frage(TAntwort::Ja);
    Starte({sammlung});

    QCOMPARE(Dialoge().Boxen.size(), 4);
    const QString fragen[] = {Frage(sammlung, jetzt - 7200), Frage(bericht, jetzt - 3600), Frage(fehlt, jetzt - 60)};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(Dialoge().Boxen[i].Titel, QStringLiteral("Wiederherstellung"));
      QCOMPARE(Dialoge().Boxen[i].Text, fragen[i]);
      QCOMPARE(Dialoge().Boxen[i].Knoepfe, TKnoepfe::JaNein);
      QCOMPARE(Dialoge().Boxen[i].Symbol, TSymbol::Keins);
      QVERIFY(Dialoge().Boxen[i].UeberGezeigtemFenster);
    }
    QCOMPARE(Dialoge().Boxen[3].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[3].Text, QStringLiteral("Datei nicht gefunden."));
    QCOMPARE(Dialoge().Boxen[3].Symbol, TSymbol::Stop);

    QCOMPARE(LiesBytes(sammlung), alt);
    QCOMPARE(H().LBFilme->Count(), 1);
    QCOMPARE(LiesBytes(bericht), QByteArrayLiteral("halb"));
    const QStringList bleibt = QDir(Umwelt->Zustand.filePath(QStringLiteral("scheibwart"))).entryList(QDir::Files);
    QCOMPARE(bleibt, (QStringList{QFileInfo(kopieFehlt).fileName(), QFileInfo(kopieFehlt).fileName() + ".ort"}));
    QVERIFY(!QFileInfo::exists(kopieBericht));
  }
};

QTEST_MAIN(TestWiederherstellung)
#include "test_Wiederherstellung.moc"
