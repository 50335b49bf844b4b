// The main window's commands on a loaded collection: changing, deleting,
// moving, adding and lending one film in the middle of the list, the wish list
// and the lending list, sorting, the search window and the table overview.
// All of them work on one loaded program per size, one after the other.

#include "Benchprogramm.h"
#include "Benchrahmen.h"
#include "Testsammlung.h"
#include "platform/ListBox.h"
#include "windows/FFSuche.h"
#include "windows/FFUebersicht.h"
#include "windows/Tabellenraster.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace {

TLaufendesProgramm& Programm(const benchmark::State& state) { return GeladenesProgramm(Anzahl(state)); }

int Mitte(const TListBox* liste) { return liste->Count() / 2; }

// Selects the film in the middle, fills the edits and clicks change.
void Aendern(benchmark::State& state) {
  TLaufendesProgramm& programm = Programm(state);
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
  TLaufendesProgramm& programm = Programm(state);
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
  TLaufendesProgramm& programm = Programm(state);
  TFHaupt& haupt = programm.Haupt();
  for (auto _ : state) {
    programm.Waehle(haupt.LBFilme, Mitte(haupt.LBFilme));
    haupt.SBFilmdown->click();
  }
  Erwarte(state, haupt.LBFilme->ItemIndex() == Mitte(haupt.LBFilme) + 1, "die Auswahl eine Zeile tiefer");
  Melde(state, programm.Stoerung());
}

void Hinzufuegen(benchmark::State& state) {
  TLaufendesProgramm& programm = Programm(state);
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

// A command that asks for a note and adds a line to liste.
void Notizbefehl(benchmark::State& state, TListBox* liste, const std::function<void()>& befehl) {
  TLaufendesProgramm& programm = Programm(state);
  const int vorher = liste->Count();
  for (auto _ : state) {
    programm.Dialoge().Tippe(QStringLiteral("an Jürgen"));
    befehl();
  }
  Erwarte(state, liste->Count() == vorher + static_cast<int>(state.iterations()), "je Runde ein Eintrag mehr");
  Melde(state, programm.Stoerung());
}

// Lends the film in the middle.
void Verleihen(benchmark::State& state) {
  TLaufendesProgramm& programm = Programm(state);
  TFHaupt& haupt = programm.Haupt();
  Notizbefehl(state, haupt.LBVerleih, [&] {
    programm.Waehle(haupt.LBFilme, Mitte(haupt.LBFilme));
    haupt.SBFilmVerleih->click();
  });
}

void Wunschliste(benchmark::State& state) {
  TFHaupt& haupt = Programm(state).Haupt();
  Notizbefehl(state, haupt.LBFilmeW, [&] { haupt.SBFilmWadd->click(); });
}

void Verleihliste(benchmark::State& state) {
  TFHaupt& haupt = Programm(state).Haupt();
  Notizbefehl(state, haupt.LBVerleih, [&] { haupt.SBVerleihadd->click(); });
}

// The film name search for "der", which about a third of the titles hold.
void Suchen(benchmark::State& state) {
  TLaufendesProgramm& programm = Programm(state);
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

QAction* Sortierung(TFHaupt& haupt, const char* name) {
  return haupt.findChild<QAction*>(QString::fromLatin1(name));
}

// The films by title, ascending and descending by turns, from the list's
// context menu.
void Sortieren(benchmark::State& state) {
  TLaufendesProgramm& programm = Programm(state);
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
  Sortierung(Programm(state).Haupt(), "aufsteigend4")->trigger();
  Suchen(state);
}

void Uebersicht(benchmark::State& state) {
  TLaufendesProgramm& programm = Programm(state);
  TFHaupt& haupt = programm.Haupt();
  for (auto _ : state) programm.ZeigeUebersicht(haupt.Filme1);
  Erwarte(state,
          programm.Fenster().FUebersicht->Tabelle().Zeilen.size() ==
              static_cast<std::size_t>(haupt.DatBas->FilmCount()) + 1,
          "eine Zeile je Film");
  Melde(state, programm.Stoerung());
}

[[maybe_unused]] const bool Registriert = RegistriereJeGroesse({
    {"Aendern", Aendern},
    {"Loeschen", Loeschen},
    {"Verschieben", Verschieben},
    {"Hinzufuegen", Hinzufuegen},
    {"Verleihen", Verleihen},
    {"Wunschliste", Wunschliste},
    {"Verleihliste", Verleihliste},
    {"Suchen", Suchen},
    {"Uebersicht", Uebersicht},
    {"Sortieren", Sortieren},
    {"SucheNachSortierung", SucheNachSortierung},
});

}  // namespace
