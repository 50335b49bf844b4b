// The wish lists and the lending list: adding through the prompt, lending a
// film or game, deleting, showing an entry in full, and the two toggles.

#include "support/Programmtest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

class TestNotizlisten : public TProgrammTest {
  Q_OBJECT

  int ClientHoehe() { return H().height() - H().menuBar()->sizeHint().height(); }

private slots:
  void init() {
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  void hinzufuegen_data() {
    QTest::addColumn<int>("liste");
    QTest::addRow("Verleih") << 0;
    QTest::addRow("Filmwünsche") << 1;
    QTest::addRow("Spielwünsche") << 2;
  }

  void hinzufuegen() {
    QFETCH(int, liste);
    TListBox* const listen[] = {H().LBVerleih, H().LBFilmeW, H().LBSpieleW};
    QToolButton* const add[] = {H().SBVerleihadd, H().SBFilmWadd, H().SBSpielWadd};
    QToolButton* const del[] = {H().SBVerleihdel, H().SBFilmWdel, H().SBSpielWdel};
    QLabel* const zahl[] = {H().LSV, H().LSFW, H().LSSW};
    const QString titel[] = {QStringLiteral("Verleih:"), QStringLiteral("Wunschliste - Filme:"),
                             QStringLiteral("Wunschliste - Spiele:")};
    TListBox* l = listen[liste];

    // Cancelled, empty and a single blank add nothing.
    Dialoge().BrichEingabeAb();
    Dialoge().Tippe(QString());
    Dialoge().Tippe(QStringLiteral(" "));
    for (int i = 0; i < 3; ++i) add[liste]->click();
    QCOMPARE(l->Count(), 0);
    QVERIFY(!H().Modified);
    QVERIFY(!del[liste]->isEnabled());
    for (const TGezeigteBox& box : Dialoge().Boxen) {
      QCOMPARE(box.Art, TGezeigteBox::TArt::Eingabe);
      QCOMPARE(box.Titel, titel[liste]);
      QCOMPARE(box.Text, QStringLiteral("Neue Notiz:"));
    }

    Dialoge().Tippe(QStringLiteral("  "));
    Dialoge().Tippe(QStringLiteral(" Faust & Co "));
    add[liste]->click();
    add[liste]->click();
    QCOMPARE(Zeilen(l), QStringList({"  ", " Faust & Co "}));
    QCOMPARE(l->ItemIndex(), 1);
    QVERIFY(l->hasFocus());
    QVERIFY(del[liste]->isEnabled());
    QVERIFY(H().Modified);
    QCOMPARE(zahl[liste]->text(), QStringLiteral("2"));
  }

  void kontextmenueHinzufuegenUndLoeschen() {
    Dialoge().Tippe(QStringLiteral("Heimat"));
    H().FilmePopupMWadd->trigger();
    Dialoge().Tippe(QStringLiteral("Gothic II"));
    H().SpielePopupMWadd->trigger();
    Dialoge().Tippe(QStringLiteral("an Jörg"));
    H().MenuItem2->trigger();
    QCOMPARE(Zeilen(H().LBFilmeW), QStringList{"Heimat"});
    QCOMPARE(Zeilen(H().LBSpieleW), QStringList{"Gothic II"});
    QCOMPARE(Zeilen(H().LBVerleih), QStringList{"an Jörg"});
    H().FilmePopupMWdel->trigger();
    H().SpielePopupMWdel->trigger();
    H().MenuItem6->trigger();
    QCOMPARE(H().LBFilmeW->Count() + H().LBSpieleW->Count() + H().LBVerleih->Count(), 0);
    for (QToolButton* del : {H().SBFilmWdel, H().SBSpielWdel, H().SBVerleihdel}) QVERIFY(!del->isEnabled());
  }

  void loeschen() {
    for (const char* text : {"eins", "zwei", "drei"}) Dialoge().Tippe(QString::fromLatin1(text));
    for (int i = 0; i < 3; ++i) H().SBVerleihadd->click();
    H().LBVerleih->SetItemIndex(1);
    H().SBVerleihdel->click();
    QCOMPARE(Zeilen(H().LBVerleih), QStringList({"eins", "drei"}));
    QCOMPARE(H().LBVerleih->ItemIndex(), 0);
    QVERIFY(H().SBVerleihdel->isEnabled());

    Dialoge().Tippe(QStringLiteral("vier"));
    H().SBVerleihadd->click();
    H().LBVerleih->SetItemIndex(0);
    H().SBVerleihdel->click();
    QCOMPARE(Zeilen(H().LBVerleih), QStringList({"drei", "vier"}));
    QCOMPARE(H().LBVerleih->ItemIndex(), 0);
    QCOMPARE(H().LSV->text(), QStringLiteral("2"));

    // The only entry goes even when it is not selected.
    H().SBVerleihdel->click();
    H().LBVerleih->SetItemIndex(-1);
    H().SBVerleihdel->click();
    QCOMPARE(H().LBVerleih->Count(), 0);
    QVERIFY(!H().SBVerleihdel->isEnabled());

    // Deleting from an empty list still counts as a change.
    H().Modified = false;
    H().MenuItem6->trigger();
    QVERIFY(H().Modified);
  }

  void verleihen() {
    H().EFFilm->setText(QStringLiteral("Das Boot"));
    H().EFCDAnzahl->setText(QStringLiteral("2"));
    H().EFCDFormat->setEditText(QStringLiteral("DivX 5.x"));
    H().SBFilmadd->click();
    H().ESSpiel->setText(QStringLiteral("Gothic"));
    H().ESGenre->setEditText(QStringLiteral("Rollenspiel"));
    H().SBSpieladd->click();
    H().Modified = false;

    Dialoge().BrichEingabeAb();
    H().SBFilmVerleih->click();
    QCOMPARE(H().LBVerleih->Count(), 0);
    QVERIFY(!H().Modified);
    QCOMPARE(Dialoge().Boxen[0].Titel, QStringLiteral("Verleih:"));
    QCOMPARE(Dialoge().Boxen[0].Text, QStringLiteral("Notiz hinzufügen? :"));

    Dialoge().Tippe(QStringLiteral("an Jürgen"));
    Dialoge().Tippe(QString());
    Dialoge().Tippe(QStringLiteral(" "));
    Dialoge().Tippe(QStringLiteral("an Björn"));
    H().SBFilmVerleih->click();
    H().SBFilmVerleih->click();
    H().SBFilmVerleih->click();
    H().SBSpielVerleih->click();
    QCOMPARE(Zeilen(H().LBVerleih),
             QStringList({"an Jürgen - Das Boot  ( 2 * DivX 5.x )", "Das Boot  ( 2 * DivX 5.x )",
                          "Das Boot  ( 2 * DivX 5.x )", "an Björn - Gothic  ( Rollenspiel )"}));
    QCOMPARE(H().LBVerleih->ItemIndex(), 3);
    QVERIFY(H().LBVerleih->hasFocus());
    QVERIFY(H().SBVerleihdel->isEnabled());
    QVERIFY(H().Modified);
    QCOMPARE(H().LSV->text(), QStringLiteral("4"));
  }

  void doppelklickZeigtDenEintrag() {
    QTest::mouseDClick(H().LBFilmeW->viewport(), Qt::LeftButton);
    QVERIFY(Dialoge().Boxen.isEmpty());  // nothing selected, nothing shown

    const QString lang = QStringLiteral("ein sehr langer Eintrag, breiter als die Liste: ") + QString(80, QLatin1Char('x'));
    Dialoge().Tippe(lang);
    H().SBFilmWadd->click();
    QTest::mouseDClick(H().LBFilmeW->viewport(), Qt::LeftButton, Qt::NoModifier,
                       H().LBFilmeW->visualRect(H().LBFilmeW->model()->index(0, 0)).center());
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[1].Text, lang);
    QCOMPARE(Dialoge().Boxen[1].Knoepfe, TKnoepfe::Ok);
    QCOMPARE(Dialoge().Boxen[1].Symbol, TSymbol::Keins);
    QVERIFY(H().Modified);  // from the add; the double click changes nothing
  }

  void verleihlisteAusUndEinblenden() {
    QCOMPARE(H().width(), 907);
    QVERIFY(H().VerleihListeanzeigen->isChecked());
    H().LBVerleih->setFocus();
    QTest::keyClick(&H(), Qt::Key_F11);
    QCOMPARE(H().width(), 637);
    QCOMPARE(ClientHoehe(), 654);
    QVERIFY(!H().VerleihListeanzeigen->isChecked());
    QVERIFY(H().LBFilme->hasFocus());
    QCOMPARE(H().LBVerleih->focusPolicy(), Qt::ClickFocus);
    QVERIFY(!H().Modified);

    H().ToolButtonVerleihListe->click();
    QCOMPARE(H().width(), 907);
    QVERIFY(H().VerleihListeanzeigen->isChecked());
    QCOMPARE(H().LBVerleih->focusPolicy(), Qt::StrongFocus);

    H().VerleihListeanzeigen->trigger();
    QCOMPARE(H().width(), 637);
    QVERIFY(!H().VerleihListeanzeigen->isChecked());
  }

  void wunschlistenAusUndEinblenden() {
    H().LBSpieleW->setFocus();
    H().ToolButtonFilmeSpieleWausblenden->click();
    QCOMPARE(ClientHoehe(), 454);
    QCOMPARE(H().width(), 907);
    QVERIFY(!H().WunschlistefrFilmeSpieleanzeigen1->isChecked());
    QVERIFY(H().LBSpiele->hasFocus());
    QCOMPARE(H().LBFilmeW->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(H().LBSpieleW->focusPolicy(), Qt::ClickFocus);
    // The status bar moves up with the lower edge and covers the bottom row.
    QCOMPARE(H().statusBar()->geometry().bottom() - H().centralWidget()->geometry().top() + 1, 454);

    QTest::keyClick(&H(), Qt::Key_F12);
    QCOMPARE(ClientHoehe(), 654);
    QVERIFY(H().WunschlistefrFilmeSpieleanzeigen1->isChecked());
    QCOMPARE(H().LBFilmeW->focusPolicy(), Qt::StrongFocus);

    // A lend still goes to the hidden lending list.
    H().ToolButtonVerleihListe->click();
    H().EFFilm->setText(QStringLiteral("Heimat"));
    H().SBFilmadd->click();
    Dialoge().Tippe(QString());
    H().SBFilmVerleih->click();
    QCOMPARE(H().LBVerleih->Count(), 1);
    QVERIFY(H().LBVerleih->hasFocus());
    H().ToolButtonVerleihListe->click();
    QCOMPARE(H().width(), 907);
  }
};

QTEST_MAIN(TestNotizlisten)
#include "test_Notizlisten.moc"
