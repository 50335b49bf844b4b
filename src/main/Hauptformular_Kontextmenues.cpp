// The context menus of the five lists, and sorting the films or the games by
// any field from the film and game lists' menus.

#include "main/Hauptformular.h"

#include "main/Sammlungszeilen.h"
#include "widgets/Befehlsschutz.h"
#include "widgets/ListBox.h"
#include "widgets/Wartezeiger.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* Eintrag(QMenu* menue, const char* name, const QString& text) {
  QAction* eintrag = menue->addAction(text);
  eintrag->setObjectName(QString::fromLatin1(name));
  return eintrag;
}

QMenu* Kontextmenue(TListBox* liste, const char* name) {
  auto* menue = new QMenu(liste);
  menue->setObjectName(QString::fromLatin1(name));
  liste->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(liste, &QWidget::customContextMenuRequested, menue,
                   [liste, menue](const QPoint& stelle) { menue->popup(liste->viewport()->mapToGlobal(stelle)); });
  return menue;
}

// One sort order of the context menus.
struct TSortierung {
  const char* Name;
  int Schluessel;
  bool Aufsteigend;
  QKeySequence Kuerzel;
};

struct TSortSchluessel {
  const char* Name;
  const char* Text;
  TSortierung Auf;
  TSortierung Ab;
};

const TSortSchluessel FilmSchluessel[] = {
    {"FilmePopupMSortABC", "nach &Alphabet", {"aufsteigend1", 1, true, Qt::Key_F5}, {"absteigend1", 1, false, {}}},
    {"FilmePopupMSortGenre", "nach &CD Anzahl", {"aufsteigend2", 2, true, {}}, {"absteigend2", 2, false, {}}},
    {"FilmePopupMSortFormat", "nach CD &Format", {"aufsteigend3", 3, true, Qt::Key_F6}, {"absteigend3", 3, false, {}}},
    {"nachGenre1", "nach &Genre", {"aufsteigend4", 4, true, {}}, {"absteigend4", 4, false, {}}},
    {"nachKommentar1", "nach &Kommentar", {"aufsteigend8", 5, true, {}}, {"absteigend8", 5, false, {}}},
};

const TSortSchluessel SpielSchluessel[] = {
    {"SpielePopupMSortABC", "nach &Alphabet", {"aufsteigend5", 1, true, Qt::Key_F5}, {"absteigend5", 1, false, {}}},
    {"nachCDAnzahl1", "nach &CD Anzahl", {"aufsteigend7", 2, true, {}}, {"absteigend7", 2, false, {}}},
    {"SpielePopupMSortGenre", "nach &Genre", {"aufsteigend6", 3, true, {}}, {"absteigend6", 3, false, {}}},
    {"nachKommentar2", "nach &Kommentar", {"aufsteigend9", 4, true, {}}, {"absteigend9", 4, false, {}}},
};

}  // namespace

void TFHaupt::BaueKontextmenues() {
  auto schutz = [this](void (TFHaupt::*handler)()) { return Geschuetzt(Dialoge, this, handler); };

  // Films and games: search, then the sort orders. Their shortcuts work
  // while the list has the keyboard focus.
  auto sortiermenue = [&](TListBox* liste, QMenu* menue, const char* name, bool filme,
                          const auto& schluessel) {
    QMenu* sortieren = menue->addMenu(QStringLiteral("S&ortieren"));
    sortieren->setObjectName(QString::fromLatin1(name));
    for (const TSortSchluessel& s : schluessel) {
      QMenu* unter = sortieren->addMenu(QString::fromUtf8(s.Text));
      unter->setObjectName(QString::fromLatin1(s.Name));
      for (const TSortierung* art : {&s.Auf, &s.Ab}) {
        QAction* eintrag = Eintrag(unter, art->Name,
                                   art->Aufsteigend ? QStringLiteral("a&ufsteigend") : QStringLiteral("a&bsteigend"));
        eintrag->setShortcut(art->Kuerzel);
        eintrag->setShortcutContext(Qt::WidgetShortcut);
        liste->addAction(eintrag);
        const int key = art->Schluessel;
        const bool auf = art->Aufsteigend;
        connect(eintrag, &QAction::triggered, this,
                [this, filme, key, auf] { Befehl([=, this] { Sortiere(filme, key, auf); }); });
      }
    }
    return sortieren;
  };

  PopupMenuFilme = Kontextmenue(LBFilme, "PopupMenuFilme");
  FilmePopupMSuchen = Eintrag(PopupMenuFilme, "FilmePopupMSuchen", QStringLiteral("S&uchen"));
  PopupMenuFilme->addSeparator();
  Sortieren1 = sortiermenue(LBFilme, PopupMenuFilme, "Sortieren1", true, FilmSchluessel);
  connect(FilmePopupMSuchen, &QAction::triggered, this, schutz(&TFHaupt::FilmePopupMSuchenClick));

  PopupMenuSpiele = Kontextmenue(LBSpiele, "PopupMenuSpiele");
  SpielePopupMSuchen = Eintrag(PopupMenuSpiele, "SpielePopupMSuchen", QStringLiteral("S&uchen"));
  PopupMenuSpiele->addSeparator();
  MenuItem1 = sortiermenue(LBSpiele, PopupMenuSpiele, "MenuItem1", false, SpielSchluessel);
  connect(SpielePopupMSuchen, &QAction::triggered, this, schutz(&TFHaupt::SpielePopupMSuchenClick));

  // The text lists: add and delete.
  auto notizmenue = [&](TListBox* liste, const char* name, const char* addName, const char* delName,
                        void (TFHaupt::*add)(), void (TFHaupt::*del)(), QAction*& addEintrag,
                        QAction*& delEintrag) {
    QMenu* menue = Kontextmenue(liste, name);
    addEintrag = Eintrag(menue, addName, QStringLiteral("Eintrag &hinzufügen"));
    menue->addSeparator();
    delEintrag = Eintrag(menue, delName, QStringLiteral("Eintrag &löschen"));
    connect(addEintrag, &QAction::triggered, this, schutz(add));
    connect(delEintrag, &QAction::triggered, this, schutz(del));
    return menue;
  };
  PopupMenuFilmeW = notizmenue(LBFilmeW, "PopupMenuFilmeW", "FilmePopupMWadd", "FilmePopupMWdel",
                               &TFHaupt::FilmePopupMWaddClick, &TFHaupt::FilmePopupMWdelClick,
                               FilmePopupMWadd, FilmePopupMWdel);
  PopupMenuSpieleW = notizmenue(LBSpieleW, "PopupMenuSpieleW", "SpielePopupMWadd", "SpielePopupMWdel",
                                &TFHaupt::SpielePopupMWaddClick, &TFHaupt::SpielePopupMWdelClick,
                                SpielePopupMWadd, SpielePopupMWdel);
  PopupMenuV = notizmenue(LBVerleih, "PopupMenuV", "MenuItem2", "MenuItem6", &TFHaupt::MenuItem2Click,
                          &TFHaupt::MenuItem6Click, MenuItem2, MenuItem6);
}

void TFHaupt::Sortiere(bool filme, int schluessel, bool aufsteigend) {
  const TWartezeiger warten;
  TJournalEintrag eintrag;
  if (filme) {
    SortTreeF->Sort(schluessel, aufsteigend);
    eintrag.FilmeSortieren(schluessel, aufsteigend);
  } else {
    SortTreeS->Sort(schluessel, aufsteigend);
    eintrag.SpieleSortieren(schluessel, aufsteigend);
  }
  // The first row is selected, and the edits and the position label show its
  // record, so that a change goes to the record that is shown.
  const TPanel panel = filme ? FilmPanel() : SpielPanel();
  panel.Zeilen->Neuaufbau();
  if (panel.Liste->Count() > 0) {
    panel.Liste->SetItemIndex(0);
    (this->*panel.Click)();
  }
  Modified = true;
  Journalisiere(eintrag);
}
