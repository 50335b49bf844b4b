// Adding, changing, deleting and moving films and games through the panels'
// buttons and the menu, with the messages, enabled states and selections.

#include "support/Programmtest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

class TestBearbeiten : public TProgrammTest {
  Q_OBJECT

  void Film(const QString& name, const QString& anzahl = {}, const QString& format = {},
            const QString& genre = {}, const QString& kommentar = {}) {
    H().EFFilm->setText(name);
    H().EFCDAnzahl->setText(anzahl);
    H().EFCDFormat->setEditText(format);
    H().EFGenre->setEditText(genre);
    H().EFKommentar->setText(kommentar);
    H().SBFilmadd->click();
  }

  void Spiel(const QString& name, const QString& anzahl = {}, const QString& genre = {},
             const QString& kommentar = {}) {
    H().ESSpiel->setText(name);
    H().ESCDAnzahl->setText(anzahl);
    H().ESGenre->setEditText(genre);
    H().ESKommentar->setText(kommentar);
    H().SBSpieladd->click();
  }

  TFilmRec GespeicherterFilm(int i) {
    TFilmRec film;
    H().DatBas->GetFilm(i, film);
    return film;
  }

  QStringList FilmNamen() {
    QStringList namen;
    for (int i = 1; i <= H().DatBas->FilmCount(); ++i) namen << VonCp1252(GespeicherterFilm(i).Name);
    return namen;
  }

  bool Freigegeben(std::initializer_list<QToolButton*> knoepfe) {
    for (QToolButton* knopf : knoepfe)
      if (!knopf->isEnabled()) return false;
    return true;
  }
  bool Gesperrt(std::initializer_list<QToolButton*> knoepfe) {
    for (QToolButton* knopf : knoepfe)
      if (knopf->isEnabled()) return false;
    return true;
  }

  void DreiFilme() {
    Film(QStringLiteral("Eins"), QStringLiteral("1"));
    Film(QStringLiteral("Zwei"), QStringLiteral("2"));
    Film(QStringLiteral("Drei"), QStringLiteral("3"));
    H().Modified = false;
  }

private slots:
  void init() {
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  void filmHinzufuegen() {
    Film(QStringLiteral("Alien"), QStringLiteral("2"), QStringLiteral("DivX 5.x"), QStringLiteral("Horror"),
         QStringLiteral("Director's Cut"));
    QCOMPARE(Zeilen(H().LBFilme), QStringList{QStringLiteral("Alien  ( 2 * DivX 5.x )")});
    QCOMPARE(GespeicherterFilm(1), (TFilmRec{"Alien", "2", "DivX 5.x", "Horror", "Director's Cut"}));
    QCOMPARE(H().LBFilme->ItemIndex(), 0);
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("1"));
    QVERIFY(Freigegeben({H().SBFilmchange, H().SBFilmdel, H().SBFilmup, H().SBFilmdown, H().SBFilmVerleih}));
    QVERIFY(Gesperrt({H().SBSpielchange, H().SBSpieldel}));
    QVERIFY(H().Modified);
    QCOMPARE(H().LSF->text(), QStringLiteral("1 (2 CDs)"));

    // The edits keep what was added: pressing again adds an equal film.
    QCOMPARE(H().EFFilm->text(), QStringLiteral("Alien"));
    QTest::keyClick(&H(), Qt::Key_F, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(H().DatBas->FilmCount(), 2);
    QCOMPARE(GespeicherterFilm(2), GespeicherterFilm(1));
    QCOMPARE(H().LBFilme->ItemIndex(), 1);
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("2"));
    QCOMPARE(H().LSF->text(), QStringLiteral("2 (4 CDs)"));

    // Empty fields are kept, and a count need not be a number.
    Film(QStringLiteral("Heimat"), QStringLiteral("viele"));
    QCOMPARE(H().LBFilme->Item(2), QStringLiteral("Heimat  ( viele *  )"));
    Film(QStringLiteral("Faust"));
    QCOMPARE(H().LBFilme->Item(3), QStringLiteral("Faust  (  *  )"));
    QVERIFY(Dialoge().Boxen.isEmpty());
  }

  void spielHinzufuegen() {
    QTest::keyClick(&H(), Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);  // no title yet
    H().ESSpiel->setText(QStringLiteral("Gothic"));
    H().ESCDAnzahl->setText(QStringLiteral("2"));
    H().ESGenre->setEditText(QStringLiteral("Rollenspiel"));
    H().ESKommentar->setText(QStringLiteral("deutsch"));
    H().Spiel2->trigger();
    QCOMPARE(Zeilen(H().LBSpiele), QStringList{QStringLiteral("Gothic  ( Rollenspiel )")});
    TSpielRec spiel;
    H().DatBas->GetSpiel(1, spiel);
    QCOMPARE(spiel, (TSpielRec{"Gothic", "2", "Rollenspiel", "deutsch"}));
    QVERIFY(Freigegeben({H().SBSpielchange, H().SBSpieldel, H().SBSpielup, H().SBSpieldown, H().SBSpielVerleih}));
    QCOMPARE(H().LBSpielNum->text(), QStringLiteral("1"));
    QCOMPARE(H().LSS->text(), QStringLiteral("1 (2 CDs)"));

    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Fehler: Kein Spiele-Titel vorhanden!"));
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Bitte geben Sie einen Titel für das Spiel ein!"));
    QCOMPARE(Dialoge().Boxen[0].Symbol, TSymbol::Keins);
  }

  void ohneTitelWirdNichtsGespeichert() {
    H().EFCDAnzahl->setText(QStringLiteral("2"));
    H().EFCDAnzahl->setFocus();
    H().SBFilmadd->click();
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Fehler:"));
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Bitte geben Sie einen Titel für den Film ein!"));
    QCOMPARE(Dialoge().Boxen[0].Knoepfe, TKnoepfe::Ok);
    QCOMPARE(Dialoge().Boxen[0].Symbol, TSymbol::Keins);
    QVERIFY(H().EFFilm->hasFocus());
    QCOMPARE(H().DatBas->FilmCount(), 0);
    QCOMPARE(H().LBFilme->Count(), 0);
    QVERIFY(!H().Modified);

    // A name of blanks is a name.
    Film(QStringLiteral("  "));
    QCOMPARE(H().DatBas->FilmCount(), 1);
  }

  void langerNameWirdGekuerzt() {
    const QString lang(300, QLatin1Char('L'));
    Film(lang, QStringLiteral("1"));
    QCOMPARE(GespeicherterFilm(1).Name.size(), std::size_t{255});
    QCOMPARE(H().LBFilme->Item(0), lang + QStringLiteral("  ( 1 *  )"));  // until the list is rebuilt
    QCOMPARE(H().EFFilm->text(), lang.left(255));
    Film(QStringLiteral("Kurz"));
    H().LBFilme->SetItemIndex(1);
    H().SBFilmdel->click();  // any rebuild shows the stored name, also on other lines
    QCOMPARE(H().LBFilme->Item(0), lang.left(255) + QStringLiteral("  ( 1 *  )"));
    Film(lang, QStringLiteral("1"));
    H().LBFilme->SetItemIndex(1);
    H().SBFilmchange->click();
    QCOMPARE(H().LBFilme->Item(1), lang.left(255) + QStringLiteral("  ( 1 *  )"));
  }

  // A row fills the edits showing the beginning of a text longer than the
  // field, films and games alike.
  void langeTexteZeigenIhrenAnfang() {
    const QString lang = QStringLiteral("Der Herr der Ringe: Die Rückkehr des Königs (erweiterte Fassung)");
    Film(lang, lang, lang, lang, lang);
    Spiel(lang, lang, lang, lang);
    H().LBFilme->SetItemIndex(0);
    H().LBFilmeClick();
    H().LBSpiele->SetItemIndex(0);
    H().LBSpieleClick();
    for (const QLineEdit* feld : {H().EFFilm, H().EFCDAnzahl, H().EFCDFormat->lineEdit(), H().EFGenre->lineEdit(),
                                  H().EFKommentar, H().ESSpiel, H().ESCDAnzahl, H().ESGenre->lineEdit(),
                                  H().ESKommentar}) {
      QCOMPARE(feld->text(), lang);
      QCOMPARE(feld->cursorPosition(), 0);
    }
  }

  void zeichenAusserhalbDerCodeseiteWerdenFragezeichen() {
    H().EFFilm->setFocus();
    H().EFFilm->insert(QStringLiteral("Ωmega 日本 Übel"));  // as pasting does
    QCOMPARE(H().EFFilm->text(), QStringLiteral("?mega ?? Übel"));
    H().SBFilmadd->click();
    QCOMPARE(GespeicherterFilm(1).Name.str(), std::string("?mega ?? \xDC" "bel"));
  }

  void aendern() {
    DreiFilme();
    H().LBFilme->SetItemIndex(1);
    H().LBFilmeClick();
    QCOMPARE(H().EFFilm->text(), QStringLiteral("Zwei"));
    H().EFFilm->setText(QStringLiteral("Zwei neu"));
    H().EFCDFormat->setEditText(QStringLiteral("SVCD"));
    H().SBFilmchange->click();
    QCOMPARE(GespeicherterFilm(2), (TFilmRec{"Zwei neu", "2", "SVCD", "", ""}));
    QCOMPARE(Zeilen(H().LBFilme), QStringList({"Eins  ( 1 *  )", "Zwei neu  ( 2 * SVCD )", "Drei  ( 3 *  )"}));
    QCOMPARE(H().LBFilme->ItemIndex(), 1);
    QVERIFY(H().Modified);

    // An emptied name is refused with a warning; the focus stays.
    H().Modified = false;
    H().EFFilm->clear();
    H().EFCDAnzahl->setFocus();
    H().SBFilmchange->click();
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Kein Filmname vorhanden!"));
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Fehler:"));
    QCOMPARE(Dialoge().Boxen[0].Symbol, TSymbol::Ausrufezeichen);
    QVERIFY(H().EFCDAnzahl->hasFocus());
    QCOMPARE(GespeicherterFilm(2).Name.str(), std::string("Zwei neu"));
    QVERIFY(!H().Modified);

    Spiel(QStringLiteral("Myst"));
    H().ESSpiel->clear();
    H().SBSpielchange->click();
    QCOMPARE(Dialoge().Boxen[1].Text, QStringLiteral("Kein Spielname vorhanden!"));
  }

  void loeschenWaehltDieZeileDarueber() {
    DreiFilme();
    H().LBFilme->SetItemIndex(1);
    H().SBFilmdel->click();
    QCOMPARE(FilmNamen(), QStringList({"Eins", "Drei"}));
    QCOMPARE(H().LBFilme->ItemIndex(), 0);
    QCOMPARE(H().EFFilm->text(), QStringLiteral("Eins"));
    QVERIFY(H().LBFilme->hasFocus());
    QVERIFY(H().Modified);
    PruefeListenWieStore();

    Film(QStringLiteral("Vier"));
    H().LBFilme->SetItemIndex(2);
    H().SBFilmdel->click();
    QCOMPARE(FilmNamen(), QStringList({"Eins", "Drei"}));
    QCOMPARE(H().LBFilme->ItemIndex(), 1);
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("2"));

    H().LBFilme->SetItemIndex(0);
    H().SBFilmdel->click();
    QCOMPARE(FilmNamen(), QStringList({"Drei"}));
    QCOMPARE(H().LBFilme->ItemIndex(), 0);
    QCOMPARE(H().LSF->text(), QStringLiteral("1 (3 CDs)"));
  }

  void letztesLoeschenSperrtDieKnoepfe() {
    Film(QStringLiteral("Allein"), QStringLiteral("4"));
    H().SBFilmdel->click();
    QCOMPARE(H().LBFilme->Count(), 0);
    QVERIFY(Gesperrt({H().SBFilmchange, H().SBFilmdel, H().SBFilmup, H().SBFilmdown, H().SBFilmVerleih}));
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("0"));
    QCOMPARE(H().EFFilm->text(), QStringLiteral("Allein"));  // the deleted film's texts stay
    QCOMPARE(H().LSF->text(), QStringLiteral("0 (0 CDs)"));

    // The menu entry works on an empty list too: nothing goes, yet it counts as a change.
    H().Modified = false;
    H().Film2->trigger();
    QVERIFY(H().Modified);
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("0"));
    H().Spiel1->trigger();
    QCOMPARE(H().DatBas->SpielCount(), 0);
  }

  void verschieben() {
    DreiFilme();
    H().LBFilme->SetItemIndex(1);
    H().SBFilmup->click();
    QCOMPARE(FilmNamen(), QStringList({"Zwei", "Eins", "Drei"}));
    QCOMPARE(H().LBFilme->ItemIndex(), 0);
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("1"));
    QCOMPARE(H().EFFilm->text(), QStringLiteral("Zwei"));
    QVERIFY(H().Modified);
    PruefeListenWieStore();

    // Up on the first line and down on the last do nothing at all.
    H().Modified = false;
    H().SBFilmup->click();
    QVERIFY(!H().Modified);
    H().LBFilme->SetItemIndex(2);
    H().SBFilmdown->click();
    QVERIFY(!H().Modified);
    QCOMPARE(FilmNamen(), QStringList({"Zwei", "Eins", "Drei"}));

    H().LBFilme->SetItemIndex(0);
    H().SBFilmdown->click();
    QCOMPARE(FilmNamen(), QStringList({"Eins", "Zwei", "Drei"}));
    QCOMPARE(H().LBFilme->ItemIndex(), 1);
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("2"));
    QVERIFY(H().Modified);
  }

  void einzigesSpielBleibtStehen() {
    Spiel(QStringLiteral("Myst"), QStringLiteral("1"), QStringLiteral("Adventure"));
    H().Modified = false;
    H().SBSpielup->click();
    H().SBSpieldown->click();
    QVERIFY(!H().Modified);
    Spiel(QStringLiteral("Anno"));
    H().SBSpielup->click();
    QCOMPARE(Zeilen(H().LBSpiele), QStringList({"Anno  (  )", "Myst  ( Adventure )"}));
    QCOMPARE(H().LBSpielNum->text(), QStringLiteral("1"));
  }
};

QTEST_MAIN(TestBearbeiten)
#include "test_Bearbeiten.moc"
