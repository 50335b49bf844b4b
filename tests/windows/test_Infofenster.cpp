// The information, version and shortcut windows: the mail and home page
// offers and what they hand to the shell, the version text and the two
// shortcut columns standing line by line; and the secondary windows that
// open where they were last.

#include "export/Programmangaben.h"
#include "main/FFOptionen.h"
#include "support/Programmtest.h"
#include "windows/FFTastaturkuerzel.h"
#include "windows/FFVersion.h"
#include "windows/FInfo.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

QStringList Textzeilen(const QPlainTextEdit* text) { return text->toPlainText().split(QLatin1Char('\n')); }

// The top of line n of a text, in the coordinates of its window.
int Zeilenoberkante(const QPlainTextEdit* text, int n) {
  const QTextCursor anfang(text->document()->findBlockByNumber(n));
  return text->viewport()->mapTo(text->window(), text->cursorRect(anfang).topLeft()).y();
}

}  // namespace

class TestInfofenster : public TProgrammTest {
  Q_OBJECT

  TFFInfo& I() { return *Programm->Fenster().FFInfo; }
  QList<QPair<QString, QString>>& Aufrufe() { return Umwelt->Shell.Aufrufe; }

  // Answers the next offer and checks its question.
  void Angebot(QToolButton* knopf, TAntwort antwort, const QString& frage) {
    Dialoge().Vergiss();
    Dialoge().Frage(antwort);
    knopf->click();
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Info:"));
    QCOMPARE(Dialoge().Boxen[0].Text, frage);
    QCOMPARE(Dialoge().Boxen[0].Knoepfe, TKnoepfe::JaNein);
    QCOMPARE(Dialoge().Boxen[0].Symbol, TSymbol::Keins);
  }

  // Shows window modally, runs pruefe while it is up, closes it with knopf.
  void Oeffne(TNebenfenster& fenster, QPushButton* knopf, const std::function<void()>& pruefe = {}) {
    bool gesehen = false;
    QTimer::singleShot(0, &fenster, [&] {
      gesehen = fenster.isVisible() && fenster.isModal();
      if (pruefe) pruefe();
      knopf->click();
    });
    fenster.ShowModal();
    QVERIFY(gesehen);
    QVERIFY(!fenster.isVisible());
  }

private slots:
  void init() {
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  void mailAngebote() {
    const QString idee = VonCp1252(Programmangaben::Ideengeber.Mail);
    const QString autor = VonCp1252(Programmangaben::Programmierer.Mail);
    const auto frage = [](const std::string& vorname, const QString& mail) {
      const QString name = VonCp1252(vorname);
      return QStringLiteral("Die E-Mailadresse von ") + name + QStringLiteral(" lautet: ") + mail +
             QStringLiteral("\nWollen Sie jetzt eine E-Mail an ") + name + QStringLiteral(" schreiben?");
    };

    Angebot(I().SpeedButton1, TAntwort::Nein, frage(Programmangaben::Ideengeber.Vorname, idee));
    Angebot(I().SpeedButton2, TAntwort::Nein, frage(Programmangaben::Programmierer.Vorname, autor));
    QVERIFY(Aufrufe().isEmpty());

    Angebot(I().SpeedButton1, TAntwort::Ja, frage(Programmangaben::Ideengeber.Vorname, idee));
    Angebot(I().SpeedButton2, TAntwort::Ja, frage(Programmangaben::Programmierer.Vorname, autor));
    Angebot(I().SpeedButton3, TAntwort::Ja, frage(Programmangaben::Programmierer.Vorname, autor));
    const QString betreff = QStringLiteral("?subject=Scheibwart");
    QCOMPARE(Aufrufe(), (QList<QPair<QString, QString>>{{"mailto:" + idee + betreff, QString()},
                                                          {"mailto:" + autor + betreff, QString()},
                                                          {"mailto:" + autor + betreff, QString()}}));
    QCOMPARE(I().SpeedButton1->toolTip(), "E-Mail @ " + VonCp1252(Programmangaben::Ideengeber.Name));
    QCOMPARE(I().SpeedButton3->toolTip(), I().SpeedButton2->toolTip());
  }

  void homepageAngebot() {
    const QString adresse = VonCp1252(Programmangaben::Homepage);
    const QString frage = QStringLiteral("Die Homepageadresse von ") +
                          VonCp1252(Programmangaben::Programmierer.Vorname) + QStringLiteral(" lautet: ") +
                          adresse + QStringLiteral("\nWollen Sie die Homepage jetzt öffnen?");
    Angebot(I().SpeedButton5, TAntwort::Nein, frage);
    Angebot(I().SpeedButton6, TAntwort::Nein, frage);
    QVERIFY(Aufrufe().isEmpty());

    Angebot(I().SpeedButton6, TAntwort::Ja, frage);
    Angebot(I().SpeedButton5, TAntwort::Ja, frage);
    // The program's folder, without its trailing separator.
    const QString ordner = Umwelt->Programmordner.path();
    QCOMPARE(Aufrufe(), (QList<QPair<QString, QString>>{{adresse, ordner}, {adresse, ordner}}));
    QCOMPARE(I().SpeedButton5->toolTip(), "Homepage von " + VonCp1252(Programmangaben::Programmierer.Name));
    Oeffne(I(), I().SpeedButton4);
  }

  void versionstextBehaeltSeineStelle() {
    TFVersion& v = *Programm->Fenster().FVersion;
    const QStringList zeilen = Textzeilen(v.Memo1);
    QCOMPARE(zeilen.size(), 35);
    QCOMPARE(zeilen.first(), QStringLiteral("Änderungen in Version 1.0 (Final) (2005-02-26) :"));
    QCOMPARE(zeilen[4], QStringLiteral("- Link zu ") + VonCp1252(Programmangaben::FilmSeitenName) +
                            QStringLiteral(" erneuert"));
    QCOMPARE(zeilen[15], QStringLiteral("- Link auf ") + VonCp1252(Programmangaben::FilmSeite) +
                             QStringLiteral(" gesetzt"));
    QCOMPARE(zeilen[30], QStringLiteral("  ( sofern Dateityp-Registrierung existiert )"));
    QCOMPARE(zeilen.last(), QStringLiteral("Erster Relaese: Version 0.1a (Alpha-Version) (2004)"));
    for (int leer : {6, 23, 33}) QVERIFY(zeilen[leer].isEmpty());
    QVERIFY(v.Memo1->isReadOnly());

    int stelle = 0;
    Oeffne(v, v.SpeedButton1, [&] {
      QScrollBar* leiste = v.Memo1->verticalScrollBar();
      QVERIFY(leiste->maximum() > 0);
      leiste->setValue(leiste->maximum() / 2);
      stelle = leiste->value();
    });
    Oeffne(v, v.SpeedButton1, [&] { QCOMPARE(v.Memo1->verticalScrollBar()->value(), stelle); });
    QCOMPARE(Textzeilen(v.Memo1), zeilen);
  }

  // Opened again where they were last, also after the user moved them
  // (which QDialog alone forgets), and not a pixel off at later openings.
  void fensterOeffnenWoSieZuletztWaren() {
    const TFensterSatz& n = Programm->Fenster();
    const std::pair<TNebenfenster*, QPushButton*> fenster[] = {{n.FOptionen, n.FOptionen->SpeedButton4},
                                                              {n.FFInfo, n.FFInfo->SpeedButton4},
                                                              {n.FVersion, n.FVersion->SpeedButton1},
                                                              {n.FTastaturkuerzel, n.FTastaturkuerzel->SpeedButton1}};
    for (const auto& [f, knopf] : fenster) {
      QPoint erst;
      Oeffne(*f, knopf, [&] { erst = f->geometry().topLeft(); });
      const QPoint woanders = erst + QPoint(37, 23);
      Oeffne(*f, knopf, [&] {
        QCOMPARE(f->geometry().topLeft(), erst);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->windowHandle()->setPosition(woanders);  // as the window manager moves it for the user
        QTRY_COMPARE(f->geometry().topLeft(), woanders);
      });
      for (int mal = 0; mal < 2; ++mal) Oeffne(*f, knopf, [&] { QCOMPARE(f->geometry().topLeft(), woanders); });
    }
  }

  void tastaturkuerzelZeileFuerZeile() {
    TFTastaturkuerzel& t = *Programm->Fenster().FTastaturkuerzel;
    Oeffne(t, t.SpeedButton1, [&] {
      const QStringList befehle = Textzeilen(t.Memo1);
      const QStringList tasten = Textzeilen(t.Memo2);
      QCOMPARE(befehle.size(), 25);
      QCOMPARE(tasten.size(), 25);
      for (int n = 0; n < 25; ++n) {
        QCOMPARE(befehle[n].isEmpty(), tasten[n].isEmpty());
        QVERIFY(qAbs(Zeilenoberkante(t.Memo1, n) - Zeilenoberkante(t.Memo2, n)) <= 1);
      }
      QCOMPARE(befehle[12], QStringLiteral("Suche........................................................."));
      QCOMPARE(tasten[12], QStringLiteral("[ F 3 ]"));
      QCOMPARE(tasten[17], QStringLiteral("[ F 5 ]  ( Spieleliste markiert )"));
      // The keys are not cut off on the right.
      for (const QString& taste : tasten)
        QVERIFY(t.Memo2->fontMetrics().horizontalAdvance(taste) <= t.Memo2->viewport()->width() - 4);
    });
  }
};

QTEST_MAIN(TestInfofenster)
#include "test_Infofenster.moc"
