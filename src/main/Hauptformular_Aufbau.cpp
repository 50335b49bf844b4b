// Building the main window: its client area, the tool column, the two editing
// panels, the wish lists, the lending list and the statistics panel, each
// control at its fixed place.

#include "main/Hauptformular.h"

#include "main/Fenstertitel.h"
#include "widgets/Aussehen.h"
#include "widgets/Bauteile.h"
#include "widgets/Cp1252Eingabe.h"
#include "widgets/ListBox.h"
#include "widgets/Zugangsnamen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

using namespace Bauteile;

namespace {

constexpr int StatusleisteHoehe = 19;

// The statistics panel: its width, where captions and value labels begin,
// and the width of a value label, as laid out.
constexpr int StatistikBreite = 249;
constexpr int TitelLinks = 24;
constexpr int WertLinks = 120;
constexpr int WertBreite = 120;
constexpr int WertRand = StatistikBreite - WertLinks - WertBreite;  // from a value's end to the panel's
constexpr int TitelAbstand = 8;  // at least between a caption and its value

QIcon Symbol(QWidget* fenster, const char* themenname, QStyle::StandardPixmap ersatz) {
  return QIcon::fromTheme(QString::fromLatin1(themenname), fenster->style()->standardIcon(ersatz));
}

// A list filling its group box, named after the box's caption.
TListBox* Liste(QGroupBox* gruppe, const char* name, int links, int oben, int breite, int hoehe) {
  auto* liste = Erzeuge<TListBox>(gruppe, name, links, oben, breite, hoehe);
  liste->setFont(Aussehen::SansSerif());
  Aussehen::Feldfarben(liste);
  Zugangsnamen::BenenneFlaeche(liste, Gruppenname(gruppe));
  return liste;
}

QLineEdit* Edit(QWidget* eltern, const char* name, int oben) {
  auto* edit = Erzeuge<QLineEdit>(eltern, name, 88, oben, 177, 21);
  edit->setFont(Aussehen::SansSerif());
  Aussehen::Feldfarben(edit);
  NurCp1252(edit);
  return edit;
}

QComboBox* Kombi(QWidget* eltern, const char* name, int oben, const QStringList& vorgaben,
                 int zeilen) {
  auto* kombi = Erzeuge<QComboBox>(eltern, name, 88, oben, 177, 21);
  kombi->setFont(Aussehen::SansSerif());
  kombi->setEditable(true);
  kombi->setInsertPolicy(QComboBox::NoInsert);
  kombi->addItems(vorgaben);
  kombi->setMaxVisibleItems(zeilen);
  kombi->setCurrentIndex(-1);
  kombi->setEditText(QString());
  NurCp1252(kombi);
  Aussehen::Feldfarben(kombi, Qt::black);
  return kombi;
}

// The names of one editing panel's controls; films and games differ only here.
struct TPanelNamen {
  const char* Box;
  QString Titel;
  int Links;
  const char* Liste;
  QString NameLabel;
  const char* Name;
  const char* Anzahl;
  const char* Format;  // nullptr: the game panel has no CD format
  const char* Genre;
  const char* Kommentar;
  const char* Add;
  const char* Change;
  const char* Del;
  const char* Up;
  const char* Down;
  const char* Verleih;
  const char* Num;
  QString NumZweck;
};

struct TPanelTeile {
  QGroupBox* Box;
  TListBox* Liste;
  QLineEdit* Name;
  QLineEdit* Anzahl;
  QComboBox* Format;
  QComboBox* Genre;
  QLineEdit* Kommentar;
  QToolButton *Add, *Change, *Del, *Up, *Down, *Verleih;
  QLabel* Num;
};

TPanelTeile BauePanel(QWidget* fenster, QWidget* flaeche, const TPanelNamen& namen,
                 const QStringList& genres, int genreZeilen) {
  TPanelTeile p{};
  p.Box = Gruppe(flaeche, namen.Box, namen.Titel, namen.Links, 16, 281, 409, Aussehen::SansSerif(true));

  // Created in the Tab order: list, name, count, format, genre, comment;
  // each field's label after it.
  p.Liste = Liste(p.Box, namen.Liste, 16, 24, 249, 217);
  p.Name = Edit(p.Box, namen.Name, 248);
  Feldbeschriftung(p.Name, namen.NameLabel, 16, 250);
  p.Anzahl = Edit(p.Box, namen.Anzahl, 272);
  Feldbeschriftung(p.Anzahl, QStringLiteral("CD-Anzahl :"), 16, 274);
  if (namen.Format != nullptr) {
    p.Format = Kombi(p.Box, namen.Format, 296,
                     {QStringLiteral("AVI"), QStringLiteral("AVI / MPEG"), QStringLiteral("MPEG"),
                      QStringLiteral("DivX 3.x"), QStringLiteral("DivX 4.x"),
                      QStringLiteral("DivX 5.x"), QStringLiteral("VCD"), QStringLiteral("SVCD"),
                      QStringLiteral("(S)VCD"), QStringLiteral("DVD")},
                     9);
    Feldbeschriftung(p.Format, QStringLiteral("CD-Format :"), 16, 298);
  }
  p.Genre = Kombi(p.Box, namen.Genre, 320, genres, genreZeilen);
  Feldbeschriftung(p.Genre, QStringLiteral("Genre :"), 16, 322);
  p.Kommentar = Edit(p.Box, namen.Kommentar, 344);
  Feldbeschriftung(p.Kommentar, QStringLiteral("Kommentar :"), 16, 346);

  p.Add = Knopf(p.Box, namen.Add, QStringLiteral("hinzufügen"), 8, 375, 72, 22);
  p.Change = Knopf(p.Box, namen.Change, QStringLiteral("ändern"), 86, 375, 49, 22);
  p.Del = Knopf(p.Box, namen.Del, QStringLiteral("löschen"), 143, 375, 55, 22);
  p.Up = Bildknopf(p.Box, namen.Up, Symbol(fenster, "go-up", QStyle::SP_ArrowUp), 205, 375, 18, 22);
  p.Down = Bildknopf(p.Box, namen.Down, Symbol(fenster, "go-down", QStyle::SP_ArrowDown), 229, 375,
                     18, 22);
  p.Verleih = Bildknopf(p.Box, namen.Verleih, Symbol(fenster, "go-next", QStyle::SP_ArrowRight), 253,
                        375, 20, 22);
  for (QToolButton* knopf : {p.Up, p.Down, p.Verleih}) knopf->setIconSize(QSize(14, 14));
  for (QToolButton* knopf : {p.Change, p.Del, p.Up, p.Down, p.Verleih}) knopf->setEnabled(false);

  // The position number sits on the caption line, its right edge at 279.
  p.Num = Erzeuge<QLabel>(p.Box, namen.Num, 279 - 48, 8, 48, 14);
  Zugangsnamen::BenenneWert(p.Num, namen.NumZweck);
  p.Num->setText(QStringLiteral("0"));
  p.Num->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  p.Num->setFont(Aussehen::SansSerif(true));
  return p;
}

struct TListenTeile {
  QGroupBox* Box;
  TListBox* Liste;
  QToolButton* Add;
  QToolButton* Del;
};

// A wish list or the lending list: a list with an add and a delete button.
TListenTeile BaueListe(QWidget* flaeche, const char* boxName, const QString& titel, int links,
                       int oben, int breite, int hoehe, const char* listenName, int listenBreite,
                       int listenHoehe, int knopfOben, const char* addName, const char* delName,
                       int delLinks) {
  TListenTeile t{};
  t.Box = Gruppe(flaeche, boxName, titel, links, oben, breite, hoehe, Aussehen::SansSerif(true));
  t.Liste = Liste(t.Box, listenName, 16, 24, listenBreite, listenHoehe);
  t.Add = Knopf(t.Box, addName, QStringLiteral("hinzufügen"), 16, knopfOben, 75, 22);
  t.Del = Knopf(t.Box, delName, QStringLiteral("löschen"), delLinks, knopfOben, 75, 22);
  t.Del->setEnabled(false);
  // The three lists' buttons have the same captions: screen readers say whose they are.
  for (QToolButton* knopf : {t.Add, t.Del})
    knopf->setAccessibleName(Gruppenname(t.Box) + QStringLiteral(": ") + knopf->text());
  return t;
}

}  // namespace

void TFHaupt::BaueFenster() {
  Zugangsnamen::Einrichten();
  setWindowTitle(TitleNoFile());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  BaueMenue();

  auto* flaeche = new QWidget(this);
  flaeche->setObjectName(QStringLiteral("Flaeche"));
  flaeche->setFont(Aussehen::SansSerif());
  Aussehen::Fensterfarben(flaeche);
  setCentralWidget(flaeche);

  BauePanels(flaeche);
  BaueWerkzeugspalte(flaeche);
  BaueListen(flaeche);
  BaueStatistik(flaeche);

  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setSizeGripEnabled(false);
  StatusBar->setFixedHeight(StatusleisteHoehe);
  setStatusBar(StatusBar);

  // The client area (below the menu, status bar included) is 907 x 654.
  SetzeClientgroesse(ClientBreite, ClientHoehe);
}

void TFHaupt::BaueWerkzeugspalte(QWidget* flaeche) {
  auto bild = [&](const char* name, const char* thema, QStyle::StandardPixmap ersatz, int oben) {
    return Bildknopf(flaeche, name, Symbol(this, thema, ersatz), 608, oben, 23, 22);
  };
  SBFileNew = bild("SBFileNew", "document-new", QStyle::SP_FileIcon, 20);
  SBFileLoad = bild("SBFileLoad", "document-open", QStyle::SP_DialogOpenButton, 52);
  SBFileSave = bild("SBFileSave", "document-save", QStyle::SP_DialogSaveButton, 84);
  SBOptionen = bild("SBOptionen", "preferences-system", QStyle::SP_FileDialogDetailedView, 154);
  SBInfo = bild("SBInfo", "help-about", QStyle::SP_MessageBoxInformation, 186);
  SpeedButtonkino = bild("SpeedButtonkino", "video-x-generic", QStyle::SP_MediaPlay, 218);
  ToolButtonFilmeSpieleWausblenden =
      bild("ToolButtonFilmeSpieleWausblenden", "go-bottom", QStyle::SP_TitleBarShadeButton, 371);
  ToolButtonVerleihListe = bild("ToolButtonVerleihListe", "go-last", QStyle::SP_MediaSkipForward, 403);
}

void TFHaupt::BauePanels(QWidget* flaeche) {
  const TPanelTeile filme = BauePanel(
      this, flaeche,
      {"GBFilme", QStringLiteral(" Filme : "), 16, "LBFilme", QStringLiteral("Film :"), "EFFilm",
       "EFCDAnzahl", "EFCDFormat", "EFGenre", "EFKommentar", "SBFilmadd", "SBFilmchange",
       "SBFilmdel", "SBFilmup", "SBFilmdown", "SBFilmVerleih", "LBFilmNum",
       QStringLiteral("Nummer des markierten Films")},
      {QStringLiteral("Abenteuer"), QStringLiteral("Action"), QStringLiteral("Dokumentation"),
       QStringLiteral("Drama"), QStringLiteral("Episodenfilm"), QStringLiteral("Erotik"),
       QStringLiteral("Fantasy"), QStringLiteral("Hackerfilm"), QStringLiteral("Horror"),
       QStringLiteral("Komödie"), QStringLiteral("Kriegsfilm"), QStringLiteral("Kriminalfilm"),
       QStringLiteral("Musikfilm"), QStringLiteral("Porträt / Biographie"),
       QStringLiteral("Science Fiction"), QStringLiteral("Science Fiction / Action"),
       QStringLiteral("Thriller"), QStringLiteral("Western"), QStringLiteral("Zeichentrick")},
      24);
  GBFilme = filme.Box;
  LBFilme = filme.Liste;
  EFFilm = filme.Name;
  EFCDAnzahl = filme.Anzahl;
  EFCDFormat = filme.Format;
  EFGenre = filme.Genre;
  EFKommentar = filme.Kommentar;
  SBFilmadd = filme.Add;
  SBFilmchange = filme.Change;
  SBFilmdel = filme.Del;
  SBFilmup = filme.Up;
  SBFilmdown = filme.Down;
  SBFilmVerleih = filme.Verleih;
  LBFilmNum = filme.Num;

  const TPanelTeile spiele = BauePanel(
      this, flaeche,
      {"GroupBox2", QStringLiteral(" Spiele : "), 320, "LBSpiele", QStringLiteral("Spiel :"),
       "ESSpiel", "ESCDAnzahl", nullptr, "ESGenre", "ESKommentar", "SBSpieladd", "SBSpielchange",
       "SBSpieldel", "SBSpielup", "SBSpieldown", "SBSpielVerleih", "LBSpielNum",
       QStringLiteral("Nummer des markierten Spiels")},
      {QStringLiteral("3D-Shooter"), QStringLiteral("3D-Action"), QStringLiteral("3D-Adventure"),
       QStringLiteral("3D-Strategie"), QStringLiteral("Action"), QStringLiteral("Adventure"),
       QStringLiteral("Flugsimulation"), QStringLiteral("Fussball"),
       QStringLiteral("Jump'n Run Adventure"), QStringLiteral("Kampfspiel"), QStringLiteral("Rally"),
       QStringLiteral("Rennspiel"), QStringLiteral("Rollenspiel"), QStringLiteral("Spielekollektion"),
       QStringLiteral("Sport"), QStringLiteral("Strategie"), QStringLiteral("Strategie / Aufbau"),
       QStringLiteral("Echtzeit-Strategie"), QStringLiteral("Simulation")},
      21);
  GroupBox2 = spiele.Box;
  LBSpiele = spiele.Liste;
  ESSpiel = spiele.Name;
  ESCDAnzahl = spiele.Anzahl;
  ESGenre = spiele.Genre;
  ESKommentar = spiele.Kommentar;
  SBSpieladd = spiele.Add;
  SBSpielchange = spiele.Change;
  SBSpieldel = spiele.Del;
  SBSpielup = spiele.Up;
  SBSpieldown = spiele.Down;
  SBSpielVerleih = spiele.Verleih;
  LBSpielNum = spiele.Num;
}

void TFHaupt::BaueListen(QWidget* flaeche) {
  const TListenTeile filmW =
      BaueListe(flaeche, "GroupBox1", QStringLiteral(" Wunschliste (Filme) : "), 16, 440, 281, 177,
                "LBFilmeW", 249, 113, 144, "SBFilmWadd", "SBFilmWdel", 192);
  GroupBox1 = filmW.Box;
  LBFilmeW = filmW.Liste;
  SBFilmWadd = filmW.Add;
  SBFilmWdel = filmW.Del;

  const TListenTeile spielW =
      BaueListe(flaeche, "GroupBox3", QStringLiteral(" Wunschliste (Spiele) : "), 320, 440, 281,
                177, "LBSpieleW", 249, 113, 144, "SBSpielWadd", "SBSpielWdel", 192);
  GroupBox3 = spielW.Box;
  LBSpieleW = spielW.Liste;
  SBSpielWadd = spielW.Add;
  SBSpielWdel = spielW.Del;

  const TListenTeile verleih =
      BaueListe(flaeche, "GBVerleih", QStringLiteral(" Verleih : "), 640, 16, 249, 409, "LBVerleih",
                217, 337, 374, "SBVerleihadd", "SBVerleihdel", 152);
  GBVerleih = verleih.Box;
  LBVerleih = verleih.Liste;
  SBVerleihadd = verleih.Add;
  SBVerleihdel = verleih.Del;
}

void TFHaupt::BaueStatistik(QWidget* flaeche) {
  GBStatistik = Gruppe(flaeche, "GBStatistik", QStringLiteral(" Statistik : "), 640, 440, StatistikBreite,
                       177, Aussehen::SansSerif(true));
  auto zeile = [&](const QString& titel, const char* name, int oben) {
    Beschriftung(GBStatistik, titel, TitelLinks, oben, Aussehen::Verdana());
    auto* wert = Erzeuge<QLabel>(GBStatistik, name, WertLinks, oben, WertBreite, 14);
    // Screen readers speak the number with its caption, without the colon.
    Zugangsnamen::BenenneWert(wert, QString(titel).remove(QLatin1Char(':')));
    wert->setFont(Aussehen::Verdana(true));
    wert->setText(QStringLiteral("##"));
    return wert;
  };
  LSF = zeile(QStringLiteral("Filme:"), "LSF", 32);
  LSFW = zeile(QStringLiteral("Wunschfilme:"), "LSFW", 56);
  LSS = zeile(QStringLiteral("Spiele"), "LSS", 88);
  LSSW = zeile(QStringLiteral("Wunschspiele:"), "LSSW", 112);
  LSV = zeile(QStringLiteral("Verliehen:"), "LSV", 144);
  SpeedButton1 = Bildknopf(GBStatistik, "SpeedButton1", Symbol(this, "edit-copy", QStyle::SP_FileLinkIcon),
                           208, 136, 33, 33);
  SpeedButton1->setIconSize(QSize(24, 24));
}

void TFHaupt::PasseStatistikBreiten() {
  // The panel grows at most to the right edge of the client area.
  const int hoechstens = ClientBreite - GBStatistik->x();
  int rechts = 0;
  for (QLabel* wert : {LSF, LSFW, LSS, LSSW, LSV}) {
    SetzeBreite(wert, WertBreite);
    int links = WertLinks;
    // A number too wide even for that starts further left, never over its
    // caption.
    if (links + wert->width() + WertRand > hoechstens) {
      const QWidget* titel = GBStatistik->childAt(TitelLinks, wert->y() + wert->height() / 2);
      const int frei = titel != nullptr ? titel->geometry().right() + 1 + TitelAbstand : links;
      links = std::max(frei, hoechstens - WertRand - wert->width());
    }
    wert->move(links, wert->y());
    rechts = std::max(rechts, wert->geometry().right() + 1);
  }
  GBStatistik->resize(std::clamp(rechts + WertRand, StatistikBreite, hoechstens), GBStatistik->height());
}
