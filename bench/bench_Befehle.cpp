// The main window's commands on a loaded collection: changing, deleting,
// moving, adding and lending one film in the middle of the list, the wish list
// and the lending list, sorting, the search window and the table overview.
// Each starts its own program with the collection loaded; the editing commands
// run a fixed number of times, so that the collection keeps about its size.

#include "Benchprogramm.h"
#include "Benchrahmen.h"
#include "Testsammlung.h"
#include "widgets/ListBox.h"
#include "windows/FFSuche.h"
#include "windows/FFUebersicht.h"
#include "windows/Tabellenraster.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace {

int Mitte(const TListBox* liste) { return liste->Count() / 2; }

// Selects the film in the middle, fills the edits and clicks change.
void Aendern(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  TFHaupt& haupt = programm.Haupt();
  bool zweiter = false;
  for (auto _ : state) {
    programm.Waehle(haupt.LBFilme, Mitte(haupt.LBFilme));
    haupt.EFFilm->setText(zweiter ? QStringLiteral("Die geänderte Brücke") : QStringLiteral("Der geänderte Bär"));
    haupt.EFCDAnzahl->setText(zweiter ? QStringLiteral("2") : QStringLiteral("3"));
    haupt.EFKommentar->setText(QStringLiteral("überarbeitet"));
    haupt.SBFilmchange->click();
    zweiter = !zweiter;
  }
  Erwarte(state, haupt.LBFilme->Item(Mitte(haupt.LBFilme)).contains(QStringLiteral("geänderte")),
          "der geänderte Film in der Mitte");
  Melde(state, programm.Stoerung());
}

void Loeschen(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  TFHaupt& haupt = programm.Haupt();
  const int vorher = haupt.LBFilme->Count();
  for (auto _ : state) {
    programm.Waehle(haupt.LBFilme, Mitte(haupt.LBFilme));
    haupt.SBFilmdel->click();
  }
  Erwarte(state, haupt.LBFilme->Count() == vorher - static_cast<int>(state.iterations()), "je Runde ein Film weniger");
  Melde(state, programm.Stoerung());
}

// Moves the film in the middle one line down.
void Verschieben(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  TFHaupt& haupt = programm.Haupt();
  for (auto _ : state) {
    programm.Waehle(haupt.LBFilme, Mitte(haupt.LBFilme));
    haupt.SBFilmdown->click();
  }
  Erwarte(state, haupt.LBFilme->ItemIndex() == Mitte(haupt.LBFilme) + 1, "die Auswahl eine Zeile tiefer");
  Melde(state, programm.Stoerung());
}

void Hinzufuegen(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  TFHaupt& haupt = programm.Haupt();
  const int vorher = haupt.LBFilme->Count();
  for (auto _ : state) {
    haupt.EFFilm->setText(QStringLiteral("Das neue Mädchen aus Köln"));
    haupt.EFCDAnzahl->setText(QStringLiteral("2"));
    haupt.EFCDFormat->setEditText(QStringLiteral("DVD"));
    haupt.EFGenre->setEditText(QStringLiteral("Komödie"));
    haupt.EFKommentar->setText(QStringLiteral("geschenkt von Käthe"));
    haupt.SBFilmadd->click();
  }
  Erwarte(state, haupt.LBFilme->Count() == vorher + static_cast<int>(state.iterations()), "je Runde ein Film mehr");
  Melde(state, programm.Stoerung());
}

// A command that asks for a note and adds a line to the list box liste.
void Notizbefehl(benchmark::State& state, TListBox* TFHaupt::*liste,
                 const std::function<void(TLaufendesProgramm&)>& befehl) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  const TListBox* ziel = programm.Haupt().*liste;
  const int vorher = ziel->Count();
  for (auto _ : state) {
    programm.Dialoge().Tippe(QStringLiteral("an Jürgen"));
    befehl(programm);
  }
  Erwarte(state, ziel->Count() == vorher + static_cast<int>(state.iterations()), "je Runde ein Eintrag mehr");
  Melde(state, programm.Stoerung());
}

// Lends the film in the middle.
void Verleihen(benchmark::State& state) {
  Notizbefehl(state, &TFHaupt::LBVerleih, [](TLaufendesProgramm& programm) {
    programm.Waehle(programm.Haupt().LBFilme, Mitte(programm.Haupt().LBFilme));
    programm.Haupt().SBFilmVerleih->click();
  });
}

void Wunschliste(benchmark::State& state) {
  Notizbefehl(state, &TFHaupt::LBFilmeW, [](TLaufendesProgramm& programm) { programm.Haupt().SBFilmWadd->click(); });
}

void Verleihliste(benchmark::State& state) {
  Notizbefehl(state, &TFHaupt::LBVerleih, [](TLaufendesProgramm& programm) { programm.Haupt().SBVerleihadd->click(); });
}

// The film name search for "der", which about a third of the titles hold.
void Suche(benchmark::State& state, TLaufendesProgramm& programm) {
  TFSuche& suche = *programm.Fenster().FSuche;
  suche.show();
  suche.RBWoFilm->click();
  suche.RBName->click();
  suche.ESuchtext->setText(QStringLiteral("der"));
  for (auto _ : state) suche.SBSuchestarten->click();
  const int treffer = suche.SGTab->model()->rowCount();
  suche.close();
  Erwarte(state, treffer > programm.Haupt().LBFilme->Count() / 10, "viele Treffer");
  state.counters["Treffer"] = treffer;
  Melde(state, programm.Stoerung());
}

void Suchen(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  Suche(state, programm);
}

QAction* Sortierung(TFHaupt& haupt, const char* name) {
  return haupt.findChild<QAction*>(QString::fromLatin1(name));
}

// The films by title, ascending and descending by turns, from the list's
// context menu.
void Sortieren(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  TFHaupt& haupt = programm.Haupt();
  QAction* aufsteigend = Sortierung(haupt, "aufsteigend1");
  QAction* absteigend = Sortierung(haupt, "absteigend1");
  bool auf = true;
  for (auto _ : state) {
    (auf ? aufsteigend : absteigend)->trigger();
    auf = !auf;
  }
  Erwarte(state, haupt.Modified, "eine geänderte Sammlung");
  Melde(state, programm.Stoerung());
}

// The same search once the films are sorted by genre.
void SucheNachSortierung(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  Sortierung(programm.Haupt(), "aufsteigend4")->trigger();
  Suche(state, programm);
}

void Uebersicht(benchmark::State& state) {
  TLaufendesProgramm programm(Testsammlungsdatei(Anzahl(state)));
  TFHaupt& haupt = programm.Haupt();
  for (auto _ : state) programm.ZeigeUebersicht(haupt.Filme1);
  Erwarte(state,
          programm.Fenster().FUebersicht->Tabelle().ZeilenZahl() == haupt.DatBas->FilmCount() + 1,
          "eine Zeile je Film");
  Melde(state, programm.Stoerung());
}

constexpr int Bearbeitungen = 50;

[[maybe_unused]] const bool Registriert = RegistriereJeGroesse({
    {"Aendern", Aendern, Bearbeitungen},
    {"Loeschen", Loeschen, Bearbeitungen},
    {"Verschieben", Verschieben, Bearbeitungen},
    {"Hinzufuegen", Hinzufuegen, Bearbeitungen},
    {"Verleihen", Verleihen, Bearbeitungen},
    {"Wunschliste", Wunschliste, Bearbeitungen},
    {"Verleihliste", Verleihliste, Bearbeitungen},
    {"Suchen", Suchen},
    {"SucheNachSortierung", SucheNachSortierung},
    {"Sortieren", Sortieren},
    {"Uebersicht", Uebersicht},
});

}  // namespace
