#pragma once
// The frame of a window test: a fresh program in a test environment for each
// test function, started and shown, and torn down again afterwards.

#include "main/Programm.h"
#include "model/UZeilentext.h"
#include "widgets/Cp1252.h"
#include "widgets/ListBox.h"
#include "support/Testumgebung.h"

#include <QGuiApplication>
#include <QTest>

#include <memory>

class TProgrammTest : public QObject {
  Q_OBJECT
protected:
  std::unique_ptr<TTestumgebung> Umwelt;
  std::unique_ptr<TProgramm> Programm;

  TFHaupt& H() { return Programm->Haupt(); }
  TScriptedDialoge& Dialoge() { return Umwelt->Dialoge; }

  void Neu() {
    Programm.reset();
    Umwelt = std::make_unique<TTestumgebung>();
  }

  void Starte(const QStringList& argumente = {}) {
    Programm = std::make_unique<TProgramm>(Umwelt->Umgebung(argumente));
    Programm->Start();
    H().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&H()));
  }

  // Ends the program without a question and checks that every scripted
  // answer was used, no box came unasked or under the waiting pointer, and
  // no command left the pointer waiting.
  void Beende() {
    const int unerwartet = Umwelt->Dialoge.Unerwartet;
    const int unterWartezeiger = Umwelt->Dialoge.UnterWartezeiger;
    const bool beantwortet = Umwelt->Dialoge.AllesBeantwortet();
    const bool wartet = QGuiApplication::overrideCursor() != nullptr;
    if (Programm) H().Modified = false;
    Programm.reset();
    QCOMPARE(unerwartet, 0);
    QCOMPARE(unterWartezeiger, 0);
    QVERIFY(beantwortet);
    QVERIFY(!wartet);
  }

  // The film and game list boxes show exactly what the store holds.
  void PruefeListenWieStore() {
    QCOMPARE(H().LBFilme->Count(), H().DatBas->FilmCount());
    for (int i = 1; i <= H().DatBas->FilmCount(); ++i) {
      TFilmRec film;
      H().DatBas->GetFilm(i, film);
      QCOMPARE(H().LBFilme->Item(i - 1), VonCp1252(FilmRowText(film)));
    }
    QCOMPARE(H().LBSpiele->Count(), H().DatBas->SpielCount());
    for (int i = 1; i <= H().DatBas->SpielCount(); ++i) {
      TSpielRec spiel;
      H().DatBas->GetSpiel(i, spiel);
      QCOMPARE(H().LBSpiele->Item(i - 1), VonCp1252(SpielRowText(spiel)));
    }
  }

  QStringList Zeilen(const TListBox* liste) {
    QStringList zeilen;
    for (int i = 0; i < liste->Count(); ++i) zeilen << liste->Item(i);
    return zeilen;
  }
};
