// The search window: hits and their positions, the refusals and their order,
// the column layouts of films and games, and the reset on every showing.

#include "support/Programmtest.h"
#include "support/Raster.h"
#include "windows/FFSuche.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

class TestSuche : public TProgrammTest {
  Q_OBJECT

  TFSuche& S() { return *Programm->Fenster().FSuche; }

  void Suche(QRadioButton* was, QRadioButton* wonach, const QString& text) {
    was->click();
    wonach->click();
    S().ESuchtext->setText(text);
    Dialoge().Vergiss();
    S().SBSuchestarten->click();
  }

  // The one box the last search showed.
  void PruefeBox(const QString& titel, const QString& text) {
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Titel, titel);
    QCOMPARE(Dialoge().Boxen[0].Text, text);
    QCOMPARE(Dialoge().Boxen[0].Knoepfe, TKnoepfe::Ok);
    QCOMPARE(Dialoge().Boxen[0].Symbol, TSymbol::Keins);
  }

  // The state of the show reset: blank header row and one blank row.
  void PruefeGeleert(int spalten) {
    QCOMPARE(Rasterzeilen(S().SGTab), 2);
    QCOMPARE(Rasterzeile(S().SGTab, 0), QStringList(spalten, QString()));
    QCOMPARE(Rasterzeile(S().SGTab, 1), QStringList(spalten, QString()));
    QCOMPARE(S().GroupBox4->title(), QStringLiteral(" Ergebnis : "));
  }

  void ZehnFilme() {
    for (int i = 1; i <= 10; ++i) {
      const std::string name = i == 2 ? "Sternenkrieg" : i == 5 ? "Abendstern" : i == 9 ? "STERNSTUNDE" : "Mond";
      H().DatBas->AddFilm({name, std::to_string(i), "DVD", i == 3 ? "Stern" : "Drama", "K" + std::to_string(i)});
    }
    H().DatBas->AddFilm({"\xC4rger im Paradies", "1", "VCD", "", ""});
  }

private slots:
  void init() {
    Neu();
    Starte();
    S().show();
  }
  void cleanup() { Beende(); }

  void filmtrefferMitIhrenPositionen() {
    ZehnFilme();
    for (const QString& text : {QStringLiteral("stern"), QStringLiteral("STERN")}) {
      Suche(S().RBWoFilm, S().RBName, text);
      PruefeBox(QStringLiteral("Scheibwart v1.0"), QStringLiteral("Es wurde(n) 3 Film(e) gefunden."));
      QCOMPARE(S().GroupBox4->title(), QStringLiteral(" Ergebnis (3 Film(e)) :"));
      QCOMPARE(Rasterzeilen(S().SGTab), 4);
      QCOMPARE(Rasterzeile(S().SGTab, 0), (QStringList{"#", "Film", "CDs", "CD-Format", "Genre", "Kommentar"}));
      QCOMPARE(Spaltenbreiten(S().SGTab), (QList<int>{28, 285, 43, 110, 120, 220}));
      QCOMPARE(Rasterzeile(S().SGTab, 1), (QStringList{"2", "Sternenkrieg", "2", "DVD", "Drama", "K2"}));
      QCOMPARE(Rasterzeile(S().SGTab, 2).first(), QStringLiteral("5"));
      QCOMPARE(Rasterzeile(S().SGTab, 3).first(), QStringLiteral("9"));
      QCOMPARE(S().focusWidget(), S().SGTab);
    }

    Suche(S().RBWoFilm, S().RBGenre, QStringLiteral("stern"));
    QCOMPARE(Rasterzeile(S().SGTab, 1).first(), QStringLiteral("3"));
    QCOMPARE(S().GroupBox4->title(), QStringLiteral(" Ergebnis (1 Film(e)) :"));
  }

  void keineUebereinstimmung() {
    ZehnFilme();
    Suche(S().RBWoFilm, S().RBName, QStringLiteral("ärger"));
    PruefeBox(QStringLiteral("Suche fehlgeschlagen:"),
              QStringLiteral("Es wurden leider keine Übereinstimmungen gefunden"));
    QCOMPARE(Rasterzeilen(S().SGTab), 2);
    QCOMPARE(Rasterzeile(S().SGTab, 0).at(3), QStringLiteral("CD-Format"));
    QCOMPARE(Rasterzeile(S().SGTab, 1), QStringList(6, QString()));
    QCOMPARE(S().GroupBox4->title(), QStringLiteral(" Ergebnis : "));

    Suche(S().RBWoFilm, S().RBName, QStringLiteral("Ärger"));
    QCOMPARE(Rasterzeile(S().SGTab, 1).first(), QStringLiteral("11"));
  }

  void verweigerungenInIhrerReihenfolge() {
    Suche(S().RBWoFilm, S().RBName, QString());
    PruefeBox(QStringLiteral("Fehler"), QStringLiteral("Bitte geben Sie einen Suchtext ein!"));
    QCOMPARE(S().focusWidget(), S().ESuchtext);
    PruefeGeleert(5);

    // A game search for a CD format is refused before the empty collection.
    Suche(S().RBWoSpiel, S().RBFormat, QStringLiteral("DVD"));
    PruefeBox(QStringLiteral("Fehler:"), QStringLiteral("Die Suche nach einem CD-Format ist bei Spielen nicht möglich"));
    Suche(S().RBWoSpiel, S().RBName, QStringLiteral("DVD"));
    PruefeBox(QStringLiteral("Fehler:"), QStringLiteral("Die Suche ist aus folgendem Grund fehlgeschlagen :\n"
                                                       "Es sind keine Spiele in Ihrer CD-Sammlung vorhanden."));
    Suche(S().RBWoFilm, S().RBFormat, QStringLiteral(" "));
    PruefeBox(QStringLiteral("Fehler:"), QStringLiteral("Die Suche ist aus folgendem Grund fehlgeschlagen :\n"
                                                       "Es sind keine Filme in Ihrer CD-Sammlung vorhanden."));
    PruefeGeleert(5);

    // With games in the collection the CD format is still refused.
    H().DatBas->AddSpiel({"Doom", "1", "Shooter", ""});
    Suche(S().RBWoSpiel, S().RBFormat, QStringLiteral("DVD"));
    PruefeBox(QStringLiteral("Fehler:"), QStringLiteral("Die Suche nach einem CD-Format ist bei Spielen nicht möglich"));
  }

  void spielsucheUndFilmsucheWechselnDieSpalten() {
    ZehnFilme();
    H().DatBas->AddSpiel({"Doom", "1", "Shooter", "Klassiker"});
    H().DatBas->AddSpiel({"Sternenfahrer", "3", "Simulation", ""});
    Suche(S().RBWoSpiel, S().RBName, QStringLiteral("stern"));
    PruefeBox(QStringLiteral("Scheibwart v1.0"), QStringLiteral("Es wurde(n) 1 Spiel(e) gefunden."));
    QCOMPARE(S().GroupBox4->title(), QStringLiteral(" Ergebnis (1 Spiel(e)) :"));
    QCOMPARE(Rasterzeile(S().SGTab, 0), (QStringList{"#", "Spiel", "CDs", "Genre", "Kommentar"}));
    QCOMPARE(Spaltenbreiten(S().SGTab), (QList<int>{28, 328, 50, 180, 220}));
    QCOMPARE(Rasterzeile(S().SGTab, 1), (QStringList{"2", "Sternenfahrer", "3", "Simulation", ""}));

    Suche(S().RBWoFilm, S().RBKomment, QStringLiteral("k1"));
    QCOMPARE(Rasterzeile(S().SGTab, 0).size(), 6);
    QCOMPARE(Rasterzeilen(S().SGTab), 3);  // K1 and K10

    Suche(S().RBWoSpiel, S().RBKomment, QStringLiteral("klass"));
    QCOMPARE(Rasterzeile(S().SGTab, 1), (QStringList{"1", "Doom", "1", "Shooter", "Klassiker"}));
  }

  void wiederOeffnenLeertDasErgebnis() {
    ZehnFilme();
    Suche(S().RBWoFilm, S().RBGenre, QStringLiteral("drama"));
    S().SpeedButton1->click();
    QVERIFY(!S().isVisible());

    H().move(50, 40);
    bool gesehen = false;
    QTimer::singleShot(0, &S(), [&] {
      gesehen = S().isVisible() && S().isModal();
      PruefeGeleert(6);
      QVERIFY(S().RBWoFilm->isChecked());
      QVERIFY(S().RBGenre->isChecked());
      QCOMPARE(S().ESuchtext->text(), QStringLiteral("drama"));
      QCOMPARE(S().pos(), H().frameGeometry().topLeft());
      S().SpeedButton1->click();
    });
    S().ShowModal();
    QVERIFY(gesehen);
    QVERIFY(!S().isVisible());
  }

  // After a search the grid has the focus; Tab leaves it for the close
  // button, then the three numbered groups in the order of their numbers and
  // the "go" button; Shift+Tab goes back to that.
  void tabVerlaesstDasRaster() {
    ZehnFilme();
    Suche(S().RBWoFilm, S().RBName, QStringLiteral("stern"));
    QCOMPARE(S().focusWidget(), S().SGTab);
    QList<QWidget*> gruppen;
    for (int mal = 0; mal < 12 && gruppen.size() < 6; ++mal) {
      QTest::keyClick(S().focusWidget(), Qt::Key_Tab);
      QWidget* gruppe = S().focusWidget()->parentWidget();
      if (gruppen.isEmpty() || gruppen.last() != gruppe) gruppen << gruppe;
    }
    QCOMPARE(gruppen,
             (QList<QWidget*>{&S(), S().GroupBox3, S().GroupBox1, S().GroupBox2, &S(), S().GroupBox3}));
    S().SGTab->setFocus();
    QTest::keyClick(S().SGTab, Qt::Key_Backtab);
    QCOMPARE(S().focusWidget(), S().SBSuchestarten);
  }

  // Return in the search field starts nothing; the "go" button after it
  // starts the search from the keyboard.
  void eingabetasteStartetNichts() {
    ZehnFilme();
    S().ESuchtext->setText(QStringLiteral("stern"));
    S().ESuchtext->setFocus();
    Dialoge().Vergiss();
    QTest::keyClick(S().ESuchtext, Qt::Key_Return);
    QTest::keyClick(S().ESuchtext, Qt::Key_Enter);
    QVERIFY(Dialoge().Boxen.isEmpty());
    QVERIFY(S().isVisible());
    PruefeGeleert(5);

    QTest::keyClick(S().ESuchtext, Qt::Key_Tab);
    QCOMPARE(S().focusWidget(), S().SBSuchestarten);
    QTest::keyClick(S().SBSuchestarten, Qt::Key_Space);
    PruefeBox(QStringLiteral("Scheibwart v1.0"), QStringLiteral("Es wurde(n) 3 Film(e) gefunden."));
  }
};

QTEST_MAIN(TestSuche)
#include "test_Suche.moc"
