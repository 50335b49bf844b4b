// Unsaved changes survive a program that ends without the closing question:
// the next start offers them back on the file they were made on, and a
// normal end leaves nothing in the state folder.

#include "model/UJournal.h"
#include "model/USammlungsdatei.h"
#include "support/Programmtest.h"
#include "support/Testordner.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QToolButton>

class TestJournal : public TProgrammTest {
  Q_OBJECT

  QTemporaryDir Ordner;

  QString Basis() const { return Ordner.filePath(QStringLiteral("basis.swl")); }
  QStringList Journale() const {
    return QDir(Umwelt->Zustand.filePath(QStringLiteral("scheibwart"))).entryList(QDir::Files | QDir::System);
  }

  // The collection as the window holds it.
  TSammlung Inhalt() {
    TSammlung s;
    s.Filme.assign(H().DatBas->Filme().begin(), H().DatBas->Filme().end());
    s.Spiele.assign(H().DatBas->Spiele().begin(), H().DatBas->Spiele().end());
    for (auto [liste, ziel] : {std::pair{H().LBVerleih, &s.Verleih}, std::pair{H().LBFilmeW, &s.FilmWuensche},
                               std::pair{H().LBSpieleW, &s.SpielWuensche}})
      for (const QString& zeile : Zeilen(liste)) ziel->push_back(NachCp1252(zeile));
    return s;
  }

  void Film(const QString& name, const QString& anzahl) {
    H().EFFilm->setText(name);
    H().EFCDAnzahl->setText(anzahl);
    H().SBFilmadd->click();
  }

  // Starts on the base file and makes a change of every kind.
  void StarteUndAendere() {
    TSammlung basis;
    basis.Filme = {{"Zorro", "1", "DVD", "", ""}, {"Alien", "2", "", "", ""}, {"Heat", "1", "", "", ""}};
    basis.Spiele = {{"Doom", "1", "Shooter", ""}};
    basis.Verleih = {"Heat an Eva"};
    basis.FilmWuensche = {"Ronin", "Brazil"};
    SchreibBytes(Basis(), AlsBytes(EncodeSammlung(basis)));
    Starte({Basis()});
    Film(QStringLiteral("\u00C4rger"), QStringLiteral("3"));
    H().ESSpiel->setText(QStringLiteral("Anno"));
    H().SBSpieladd->click();
    Dialoge().Tippe(QStringLiteral("Solaris"));
    H().SBFilmWadd->click();
    H().LBFilme->setFocus();
    QTest::keyClick(H().LBFilme, Qt::Key_F5);
    H().LBFilme->SetItemIndex(2);
    H().LBFilmeClick();
    H().EFKommentar->setText(QStringLiteral("neu"));
    H().SBFilmchange->click();
    H().SBFilmdown->click();
    H().LBFilme->SetItemIndex(0);
    H().SBFilmdel->click();
    H().LBFilmeW->SetItemIndex(0);
    H().SBFilmWdel->click();
    Dialoge().Tippe(QStringLiteral("an Karl"));
    H().SBSpielVerleih->click();
    QTest::keyClick(H().LBFilme, Qt::Key_F6);
  }

  // The program ends without the closing question (the session ended), so
  // its journal is nobody's.
  void EndeOhneFrage() {
    QVERIFY(H().Modified);
    Programm.reset();
    QCOMPARE(Journale().size(), 1);
    Dialoge().Vergiss();
  }

  static QString Frage(const QString& wo, qint64 zeit) {
    return QStringLiteral("Die \u00C4nderungen %1 vom %2 wurden nicht gespeichert.\nWollen Sie sie wiederherstellen ?")
        .arg(wo, QDateTime::fromSecsSinceEpoch(zeit).toString(QStringLiteral("dd.MM.yyyy HH:mm")));
  }

private slots:
  void init() { Neu(); }
  void cleanup() { Beende(); }

  // Yes: the base with every change, the title of the base, Modified; saving
  // writes exactly that collection.
  void jaStelltWiederHer() {
    const qint64 vorher = QDateTime::currentSecsSinceEpoch();
    StarteUndAendere();
    const TSammlung erwartet = Inhalt();
    const QString titel = H().windowTitle();
    EndeOhneFrage();

    Dialoge().Frage(TAntwort::Ja);
    Starte({Ordner.filePath(QStringLiteral("anderes.swl"))});
    QCOMPARE(Dialoge().Boxen.size(), 1);
    const TGezeigteBox& box = Dialoge().Boxen[0];
    QCOMPARE(box.Titel, QStringLiteral("Wiederherstellung"));
    QVERIFY2(box.Text == Frage(QStringLiteral("an \u00BB%1\u00AB").arg(Basis()), vorher) ||
                 box.Text == Frage(QStringLiteral("an \u00BB%1\u00AB").arg(Basis()), vorher + 60),
             qPrintable(box.Text));
    QCOMPARE(box.Knoepfe, TKnoepfe::JaNein);
    QCOMPARE(box.Symbol, TSymbol::Keins);
    QVERIFY(Inhalt() == erwartet);
    PruefeListenWieStore();
    QCOMPARE(H().windowTitle(), titel);
    QVERIFY(H().Modified);

    // A further change goes on in the same journal; Save writes it all and
    // ends the journal.
    Film(QStringLiteral("Brazil"), QStringLiteral("1"));
    const TSammlung danach = Inhalt();
    QCOMPARE(Journale().size(), 1);
    Dialoge().Waehle(Basis());
    H().MainSave->trigger();
    const QByteArray gespeichert = LiesBytes(Basis());
    QVERIFY(DecodeSammlung(reinterpret_cast<const std::uint8_t*>(gespeichert.constData()),
                           static_cast<std::size_t>(gespeichert.size()) / Sammlungsdatei::RecordSize) == danach);
    QVERIFY(Journale().isEmpty());
  }

  // No: the journal goes, the usual start follows, and the next start asks nothing.
  void neinVerwirft() {
    StarteUndAendere();
    EndeOhneFrage();
    Dialoge().Frage(TAntwort::Nein);
    Starte({Basis()});
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QVERIFY(Journale().isEmpty());
    QCOMPARE(H().LBFilme->Count(), 3);
    QVERIFY(!H().Modified);
    Programm.reset();
    Starte({Basis()});
    QCOMPARE(Dialoge().Boxen.size(), 1);
  }

  // A base whose end is torn fails part-way the same way as when the
  // changes were made: they are restored on what it holds, its failure is
  // shown, and no load follows.
  void basisTeilweiseLesbar() {
    const TSammlung basis{{{"Zorro", "1", "", "", ""}, {"Alien", "2", "", "", ""}}, {}, {}, {}, {}};
    SchreibBytes(Basis(), AlsBytes(EncodeSammlung(basis)) + QByteArray(100, 'x'));
    Starte({Basis()});
    Dialoge().Vergiss();
    Film(QStringLiteral("Heat"), QStringLiteral("1"));
    const TSammlung erwartet = Inhalt();
    QCOMPARE(erwartet.Filme.size(), std::size_t{3});
    EndeOhneFrage();
    Dialoge().Frage(TAntwort::Ja);
    Starte({Basis()});
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Symbol, TSymbol::Stop);
    QVERIFY(Inhalt() == erwartet);
    QVERIFY(H().Modified);
  }

  // A base that changed since: nothing is applied, the box says where the
  // journal stays, and the start goes on as usual.
  void basisGeaendertBleibtErhalten() {
    StarteUndAendere();
    const QString journal =
        Umwelt->Zustand.filePath(QStringLiteral("scheibwart/")) + Journale().value(0);
    EndeOhneFrage();
    const TSammlung anders{{{"Neu", "1", "", "", ""}}, {}, {}, {}, {}};
    SchreibBytes(Basis(), AlsBytes(EncodeSammlung(anders)));
    Starte({Basis()});
    QCOMPARE(Dialoge().Boxen.size(), 1);
    const TGezeigteBox& box = Dialoge().Boxen[0];
    QCOMPARE(box.Titel, QStringLiteral("Wiederherstellung"));
    QCOMPARE(box.Knoepfe, TKnoepfe::Ok);
    QCOMPARE(box.Symbol, TSymbol::Ausrufezeichen);
    QVERIFY2(box.Text.startsWith(QStringLiteral("Die \u00C4nderungen an \u00BB%1\u00AB vom ").arg(Basis())),
             qPrintable(box.Text));
    QVERIFY2(box.Text.endsWith(QStringLiteral(" k\u00F6nnen nicht wiederhergestellt werden, weil die Datei seitdem "
                                              "ge\u00E4ndert wurde.\nSie bleiben in \u00BB%1\u00AB erhalten.")
                                   .arg(journal)),
             qPrintable(box.Text));
    QVERIFY(Inhalt() == anders);
    QVERIFY(!H().Modified);
    QCOMPARE(Journale(), QStringList{QFileInfo(journal).fileName()});
  }

  // Journals of the new list, oldest first; the first Yes wins and later
  // ones stay for the next start.
  void mehrereAeltestesZuerst() {
    QDir().mkpath(Umwelt->Zustand.filePath(QStringLiteral("scheibwart")));
    const qint64 jetzt = QDateTime::currentSecsSinceEpoch();
    for (qint64 zeit : {jetzt - 60, jetzt - 7200, jetzt - 3600}) {
      TJournaldatei journal(KodiereKopf({zeit, std::nullopt}));
      TJournalEintrag eintrag;
      eintrag.FilmNeu({"von " + std::to_string(zeit), "1", "", "", ""});
      journal.Haenge(eintrag.Daten());
    }
    Dialoge().Frage(TAntwort::Nein);
    Dialoge().Frage(TAntwort::Ja);
    Starte();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[0].Text, Frage(QStringLiteral("an der neuen Liste"), jetzt - 7200));
    QCOMPARE(Dialoge().Boxen[1].Text, Frage(QStringLiteral("an der neuen Liste"), jetzt - 3600));
    QCOMPARE(Zeilen(H().LBFilme), QStringList{QStringLiteral("von %1  ( 1 *  )").arg(jetzt - 3600)});
    QCOMPARE(H().windowTitle(), QStringLiteral(" Scheibwart  [ v 1.0 ]"));
    QVERIFY(H().Modified);
    QCOMPARE(Journale().size(), 2);  // the restored one, now this program's, and the newest
  }

  // A state folder planted as a link: the changes stand, the failure is
  // shown once after the command, and nothing is journalled there.
  void journalScheitertEinmal() {
    QTemporaryDir fremd;
    QVERIFY(QFile::link(fremd.path(), Umwelt->Zustand.filePath(QStringLiteral("scheibwart"))));
    Starte();
    Film(QStringLiteral("Heat"), QStringLiteral("1"));
    QCOMPARE(Dialoge().Boxen.size(), 0);
    QTest::qWait(0);
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Dateizugriff verweigert."));
    QCOMPARE(Dialoge().Boxen[0].Symbol, TSymbol::Stop);
    Film(QStringLiteral("Ronin"), QStringLiteral("1"));
    QTest::qWait(0);
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(H().LBFilme->Count(), 2);
    QVERIFY(QDir(fremd.path()).isEmpty());
  }

  // Save, New and closing after the question end the journal; the next
  // change begins a new one. After a normal end the state folder is empty.
  void normalesEndeLaesstNichts() {
    Starte();
    QVERIFY(!QFileInfo::exists(Umwelt->Zustand.filePath(QStringLiteral("scheibwart"))));
    Film(QStringLiteral("Heat"), QStringLiteral("1"));
    QCOMPARE(Journale().size(), 1);
    Dialoge().Waehle(Basis());
    H().MainSave->trigger();
    QVERIFY(Journale().isEmpty());
    Film(QStringLiteral("Ronin"), QStringLiteral("1"));
    QCOMPARE(Journale().size(), 1);
    Dialoge().Frage(TAntwort::Nein);
    H().MainNew->trigger();
    QVERIFY(Journale().isEmpty());
    Film(QStringLiteral("Alien"), QStringLiteral("1"));
    Dialoge().Frage(TAntwort::Nein);
    H().close();
    QVERIFY(Journale().isEmpty());
  }
};

QTEST_MAIN(TestJournal)
#include "test_Journal.moc"
