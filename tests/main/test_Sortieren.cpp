// Sorting the films or the games from their lists' context menus and with
// F5 and F6 while the list has the focus.

#include "support/Programmtest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

class TestSortieren : public TProgrammTest {
  Q_OBJECT

  void Film(const char* name, const char* anzahl, const char* format = "") {
    H().EFFilm->setText(QString::fromUtf8(name));
    H().EFCDAnzahl->setText(QString::fromUtf8(anzahl));
    H().EFCDFormat->setEditText(QString::fromUtf8(format));
    H().SBFilmadd->click();
  }

  void Spiel(const char* name, const char* genre) {
    H().ESSpiel->setText(QString::fromUtf8(name));
    H().ESGenre->setEditText(QString::fromUtf8(genre));
    H().SBSpieladd->click();
  }

  QAction* Eintrag(const char* name) { return H().findChild<QAction*>(QString::fromLatin1(name)); }

private slots:
  void init() {
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  // Every entry of both sort menus, with its caption and shortcut.
  void menues() {
    QStringList gefunden;
    for (QMenu* sortieren : {H().Sortieren1, H().MenuItem1}) {
      QCOMPARE(sortieren->title(), QStringLiteral("S&ortieren"));
      for (QAction* schluessel : sortieren->actions()) {
        for (QAction* art : schluessel->menu()->actions())
          gefunden << schluessel->menu()->objectName() + QLatin1Char(' ') + schluessel->text() + QLatin1Char('/') +
                          art->text() + QLatin1Char(' ') + art->objectName() + QLatin1Char(' ') +
                          art->shortcut().toString();
      }
    }
    const QStringList erwartet = {
        "FilmePopupMSortABC nach &Alphabet/a&ufsteigend aufsteigend1 F5",
        "FilmePopupMSortABC nach &Alphabet/a&bsteigend absteigend1 ",
        "FilmePopupMSortGenre nach &CD Anzahl/a&ufsteigend aufsteigend2 ",
        "FilmePopupMSortGenre nach &CD Anzahl/a&bsteigend absteigend2 ",
        "FilmePopupMSortFormat nach CD &Format/a&ufsteigend aufsteigend3 F6",
        "FilmePopupMSortFormat nach CD &Format/a&bsteigend absteigend3 ",
        "nachGenre1 nach &Genre/a&ufsteigend aufsteigend4 ",
        "nachGenre1 nach &Genre/a&bsteigend absteigend4 ",
        "nachKommentar1 nach &Kommentar/a&ufsteigend aufsteigend8 ",
        "nachKommentar1 nach &Kommentar/a&bsteigend absteigend8 ",
        "SpielePopupMSortABC nach &Alphabet/a&ufsteigend aufsteigend5 F5",
        "SpielePopupMSortABC nach &Alphabet/a&bsteigend absteigend5 ",
        "nachCDAnzahl1 nach &CD Anzahl/a&ufsteigend aufsteigend7 ",
        "nachCDAnzahl1 nach &CD Anzahl/a&bsteigend absteigend7 ",
        "SpielePopupMSortGenre nach &Genre/a&ufsteigend aufsteigend6 ",
        "SpielePopupMSortGenre nach &Genre/a&bsteigend absteigend6 ",
        "nachKommentar2 nach &Kommentar/a&ufsteigend aufsteigend9 ",
        "nachKommentar2 nach &Kommentar/a&bsteigend absteigend9 ",
    };
    QCOMPARE(gefunden, erwartet);
    QCOMPARE(H().PopupMenuFilme->actions().first()->text(), QStringLiteral("S&uchen"));
    QVERIFY(H().PopupMenuFilme->actions().at(1)->isSeparator());
  }

  void filmeSortieren() {
    Film("beta", "1", "SVCD");
    Film("Alpha", "10", "AVI");
    Film("alpha", "2", "DVD");
    Film("\xC3\x84rger", "3", "");  // Ärger
    Film("Zorro", "1", "");
    H().LBFilme->SetItemIndex(2);
    H().LBFilmeClick();
    H().Modified = false;

    Eintrag("aufsteigend1")->trigger();
    QCOMPARE(Zeilen(H().LBFilme),
             QStringList({"Alpha  ( 10 * AVI )", "alpha  ( 2 * DVD )", "beta  ( 1 * SVCD )", "Zorro  ( 1 *  )",
                          "Ärger  ( 3 *  )"}));
    PruefeListenWieStore();
    QCOMPARE(H().LBFilme->ItemIndex(), 0);
    // The edits show the selected first film, so that a change cannot
    // overwrite it with another film's texts.
    QCOMPARE(H().EFFilm->text(), QStringLiteral("Alpha"));
    QCOMPARE(H().EFCDAnzahl->text(), QStringLiteral("10"));
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("1"));
    QVERIFY(H().Modified);
    const QStringList sortiert = Zeilen(H().LBFilme);
    H().SBFilmchange->click();
    QCOMPARE(Zeilen(H().LBFilme), sortiert);
    PruefeListenWieStore();

    Eintrag("absteigend1")->trigger();
    QCOMPARE(Zeilen(H().LBFilme).first(), QStringLiteral("Ärger  ( 3 *  )"));
    QCOMPARE(Zeilen(H().LBFilme).last(), QStringLiteral("Alpha  ( 10 * AVI )"));

    // CD counts compare as text.
    Eintrag("aufsteigend2")->trigger();
    QStringList anzahlen;
    for (int i = 1; i <= H().DatBas->FilmCount(); ++i) {
      TFilmRec film;
      H().DatBas->GetFilm(i, film);
      anzahlen << VonCp1252(film.CDAnzahl);
    }
    QCOMPARE(anzahlen, QStringList({"1", "1", "10", "2", "3"}));

    // F6 sorts by CD format while the film list has the focus; F5 by name.
    H().LBFilme->setFocus();
    QTest::keyClick(H().LBFilme, Qt::Key_F6);
    QCOMPARE(Zeilen(H().LBFilme),
             QStringList({"Zorro  ( 1 *  )", "Ärger  ( 3 *  )", "Alpha  ( 10 * AVI )", "alpha  ( 2 * DVD )",
                          "beta  ( 1 * SVCD )"}));
    QTest::keyClick(H().LBFilme, Qt::Key_F5);
    QCOMPARE(H().LBFilme->Item(0), QStringLiteral("Alpha  ( 10 * AVI )"));
  }

  void spieleSortierenLaesstDenRestStehen() {
    Film("Zorro", "1");
    Film("Alpha", "1");
    Spiel("Myst", "Adventure");
    Spiel("Anno", "Strategie");
    Spiel("Gothic", "Adventure");
    Dialoge().Tippe(QStringLiteral("z Wunsch"));
    H().SBFilmWadd->click();

    H().LBSpiele->setFocus();
    QTest::keyClick(H().LBSpiele, Qt::Key_F5);
    QCOMPARE(Zeilen(H().LBSpiele),
             QStringList({"Anno  ( Strategie )", "Gothic  ( Adventure )", "Myst  ( Adventure )"}));
    QCOMPARE(H().ESSpiel->text(), QStringLiteral("Anno"));
    Eintrag("aufsteigend6")->trigger();  // by genre, names ascending within: sorts compose
    QCOMPARE(Zeilen(H().LBSpiele),
             QStringList({"Gothic  ( Adventure )", "Myst  ( Adventure )", "Anno  ( Strategie )"}));
    QCOMPARE(Zeilen(H().LBFilme), QStringList({"Zorro  ( 1 *  )", "Alpha  ( 1 *  )"}));
    QCOMPARE(Zeilen(H().LBFilmeW), QStringList{"z Wunsch"});
    // F6 belongs to the film list only.
    QTest::keyClick(H().LBSpiele, Qt::Key_F6);
    QCOMPARE(Zeilen(H().LBFilme), QStringList({"Zorro  ( 1 *  )", "Alpha  ( 1 *  )"}));
  }

  void leereListeSortieren() {
    Eintrag("absteigend9")->trigger();
    QCOMPARE(H().LBSpiele->Count(), 0);
    QVERIFY(H().Modified);
  }
};

QTEST_MAIN(TestSortieren)
#include "test_Sortieren.moc"
