// The main window from creation to destruction: what it owns, the first
// showing, the New command, the questions that protect unsaved changes,
// closing, and the routing of its commands through the one guard.

#include "main/Hauptformular.h"

#include "main/FFOptionen.h"
#include "main/Fenstertitel.h"
#include "main/Sammlungszeilen.h"
#include "widgets/Befehlsschutz.h"
#include "widgets/Dateinamen.h"
#include "widgets/Dialoge.h"
#include "platform/Fehler.h"
#include "platform/Vorfassung.h"
#include "widgets/ListBox.h"
#include "windows/FFTastaturkuerzel.h"
#include "windows/FFUebersicht.h"
#include "windows/FFVersion.h"
#include "windows/FInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

TFHaupt::TFHaupt(const TUmgebung& umgebung)
    : OpenDialog(TDateiDialog::TArt::Oeffnen, umgebung.Dialoge, this),
      SaveDialog(TDateiDialog::TArt::Speichern, umgebung.Dialoge, this),
      SaveDialogtxt(TDateiDialog::TArt::Speichern, umgebung.Dialoge, this),
      SaveDialoghtml(TDateiDialog::TArt::Speichern, umgebung.Dialoge, this),
      SaveDialogdif(TDateiDialog::TArt::Speichern, umgebung.Dialoge, this),
      SaveDialogxls(TDateiDialog::TArt::Speichern, umgebung.Dialoge, this),
      Umgebung(umgebung),
      Dialoge(umgebung.Dialoge) {
  setObjectName(QStringLiteral("FHaupt"));
  BaueFenster();
  ZeigeStore();
  BaueKontextmenues();
  BaueHinweise();
  VerbindeBefehle();
  FormCreate();
}

TFHaupt::~TFHaupt() {
  // Ended without the closing question (the session ended): unsaved changes
  // stay in the journal.
  if (!Modified) BeendeJournal();
  FormDestroy();
}

void TFHaupt::FormCreate() {
  DatBas = std::make_unique<TDatBas>();
  SortTreeF = std::make_unique<TDBSortTreeF>(*DatBas);
  SortTreeS = std::make_unique<TDBSortTreeS>(*DatBas);

  const QString filter = QStringLiteral("Scheibwart - Listen *.swl|*.swl");
  OpenDialog.Title = QStringLiteral("Scheibwart - Liste öffnen");
  SaveDialog.Title = QStringLiteral("Scheibwart - Liste speichern");
  for (TDateiDialog* dialog : {&OpenDialog, &SaveDialog}) {
    dialog->Filter = filter;
    dialog->DefaultExt = QStringLiteral("swl");
    dialog->InitialDir = QStringLiteral(".");
    dialog->FileName = QStringLiteral("Scheibwart Liste");
  }
  SaveDialog.OverwritePrompt = true;

  SaveDialogtxt.Title = QStringLiteral("als Textdatei exportieren");
  SaveDialogtxt.Filter = QStringLiteral("Textdateien (*.txt)|*.txt|alle Dateien (*.*)|*.*");
  SaveDialogtxt.DefaultExt = QStringLiteral("txt");
  SaveDialoghtml.Title = QStringLiteral("als HTML-Datei exportieren");
  SaveDialoghtml.Filter =
      QStringLiteral("HTML-Dateien (*.html)|*.html|HTM-Dateien (*.htm)|*.htm|alle Dateien (*.*)|*.*");
  SaveDialoghtml.DefaultExt = QStringLiteral("html");
  SaveDialogdif.Title = QStringLiteral("als Exceldatei exportieren");
  SaveDialogdif.Filter = QStringLiteral("Excel-Dateien (*.dif)|*.dif");
  SaveDialogdif.DefaultExt = QStringLiteral("dif");
  SaveDialogxls.Title = QStringLiteral("als Exceldatei exportieren");
  SaveDialogxls.Filter = QStringLiteral("Excel-Dateien (*.xls)|*.xls");
  SaveDialogxls.DefaultExt = QStringLiteral("xls");
  for (TDateiDialog* dialog : {&SaveDialogtxt, &SaveDialoghtml, &SaveDialogdif, &SaveDialogxls}) {
    dialog->InitialDir = QStringLiteral(".");
    dialog->FileName = QStringLiteral("Scheibwart Liste");
    dialog->OverwritePrompt = true;
  }

  SetupIni = std::make_unique<TSetupIni>(SetupIniVerzeichnis(Umgebung.ProgrammVerzeichnis));

  JournalUhr = new QTimer(this);
  JournalUhr->setSingleShot(true);
  // Within a second of each command, also with a coarse timer's slack.
  JournalUhr->setInterval(900);
  connect(JournalUhr, &QTimer::timeout, this, [this] {
    try {
      if (Journal) Journal->Synchronisiere();
    } catch (const EFehler& fehler) {
      JournalGescheitert(fehler.what());
    }
  });
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TFHaupt::SitzungEndet);
}

void TFHaupt::FormDestroy() {
  DatBas.reset();
  SortTreeF.reset();
  SortTreeS.reset();
  SetupIni.reset();
}

// Qt sends the show event before it puts the window on the screen: a box
// shown from there would stand alone on an empty screen.
void TFHaupt::setVisible(bool sichtbar) {
  QMainWindow::setVisible(sichtbar);
  if (!sichtbar || Gezeigt) return;
  Gezeigt = true;
  Befehl([this] { FormShow(); });
}

void TFHaupt::FormShow() {
  Modified = false;
  LiesEinstellungen();
  BieteWiederherstellung();
  // Restored changes take the place of the automatic load. A load that fails
  // part-way keeps what it read: its failure is shown, and then the
  // statistics count what was read.
  const bool wiederhergestellt = BieteJournaleAn();
  const QStringList& argumente = Umgebung.Argumente;
  if (wiederhergestellt) {
    // nothing more to load
  } else if (!argumente.isEmpty() && IstDatei(argumente.first())) {
    Befehl([&] { LoadCollection(argumente.first()); });
  } else if (Fenster.FOptionen->CBload->isChecked()) {
    const QString letzte = SetupIni->LiesText("Datei", "letzteDatei");
    if (IstDatei(letzte)) Befehl([&] { LoadCollection(letzte); });
  }
  SBStatistikClick();
}

void TFHaupt::BieteWiederherstellung() {
  for (const TVerbliebeneFassung& fassung : VerbliebeneFassungen()) {
    const QString text =
        QStringLiteral("Das Speichern von \u00BB%1\u00AB wurde am %2 unterbrochen; die Datei kann "
                       "unvollst\u00E4ndig sein.\nWollen Sie die vorherige Fassung wiederherstellen ?")
            .arg(DateinameAnzeige(DateinameText(fassung.Datei)),
                 QDateTime::fromSecsSinceEpoch(fassung.Zeit).toString(QStringLiteral("dd.MM.yyyy 'um' HH:mm")));
    if (Dialoge.Meldung(this, QStringLiteral("Wiederherstellung"), text, TKnoepfe::JaNein, TSymbol::Keins) ==
        TAntwort::Ja)
      Befehl([&] { StelleWiederHer(fassung); });
    else
      VerwirfFassung(fassung);
  }
}

void TFHaupt::LiesEinstellungen() {
  // Switching a check box off writes the flag back. When the program's folder
  // is not writable that fails: it is reported once and start-up goes on.
  std::string schreibfehler;
  auto setze = [&](QCheckBox* haken, bool an) {
    try {
      Fenster.FOptionen->Setze(haken, an);
    } catch (const EFehler& fehler) {
      if (schreibfehler.empty()) schreibfehler = fehler.what();
    }
  };

  const bool merken = SetupIni->LiesFlag("Optionen", "filepathmerken");
  setze(Fenster.FOptionen->CBmerken, merken);
  if (merken) {
    const QString vorschlag = QStringLiteral("Scheibwart Liste 1.swl");
    const QString oeffnen = SetupIni->LiesText("Optionen", "openfilepath");
    if (!oeffnen.isEmpty()) OpenDialog.FileName = oeffnen + vorschlag;
    const QString speichern = SetupIni->LiesText("Optionen", "savefilepath");
    if (!speichern.isEmpty()) SaveDialog.FileName = speichern + vorschlag;
  }
  setze(Fenster.FOptionen->CBload, SetupIni->LiesFlag("Datei", "letztedateiladen"));

  if (!schreibfehler.empty()) Fehlerbox(Dialoge, this, schreibfehler);
}

void TFHaupt::closeEvent(QCloseEvent* event) {
  bool schliessen = false;
  Befehl([&] { schliessen = FormClose(); });
  if (schliessen) {
    BeendeJournal();
    event->accept();
  } else {
    event->ignore();
  }
}

bool TFHaupt::FormClose() { return VorherSpeichern(TFrage::AenderungenSpeichern); }

void TFHaupt::MainCloseClick() { close(); }

bool TFHaupt::VorherSpeichern(TFrage frage) {
  if (!Modified) return true;
  const QString text = frage == TFrage::VorherSpeichern
                           ? QStringLiteral("Wollen Sie die Datei vorher speichern ?")
                           : QStringLiteral("Wollen Sie die Änderungen speichern ?");
  if (Dialoge.Meldung(this, QStringLiteral("Datei wurde geändert"), text, TKnoepfe::JaNein,
                      TSymbol::Keins) != TAntwort::Ja)
    return true;
  // A refused save of an empty collection loses nothing; a cancelled one would.
  return Speichern() != TSpeicherErgebnis::Abgebrochen;
}

bool TFHaupt::Neu() {
  if (!VorherSpeichern(TFrage::VorherSpeichern)) return false;
  DatBas->ClearFilme();
  DatBas->ClearSpiele();
  FilmZeilen->Neuaufbau();
  SpielZeilen->Neuaufbau();
  for (TListBox* liste : {LBVerleih, LBFilmeW, LBSpieleW}) liste->Clear();
  Modified = false;
  BeendeJournal();
  Freigeben(FilmPanel(), false);
  Freigeben(SpielPanel(), false);
  for (QToolButton* knopf : {SBVerleihdel, SBFilmWdel, SBSpielWdel}) knopf->setEnabled(false);
  SBStatistikClick();
  LBFilmNum->setText(QStringLiteral("0"));
  LBSpielNum->setText(QStringLiteral("0"));
  for (QLineEdit* edit : {EFFilm, EFCDAnzahl, EFKommentar, ESSpiel, ESCDAnzahl, ESKommentar})
    edit->clear();
  for (QComboBox* kombi : {EFCDFormat, EFGenre, ESGenre}) kombi->setEditText(QString());
  setWindowTitle(TitleNoFile());
  GemerkteDatei.Vergiss();
  return true;
}

void TFHaupt::MainNewClick() { Neu(); }
void TFHaupt::SBFileNewClick() { MainNewClick(); }

void TFHaupt::Optionen1Click() { Fenster.FOptionen->ShowModal(); }
void TFHaupt::SBOptionenClick() { Optionen1Click(); }
void TFHaupt::info1Click() { Fenster.FFInfo->ShowModal(); }
void TFHaupt::SBInfoClick() { info1Click(); }
void TFHaupt::Versionsbersicht1Click() { Fenster.FVersion->ShowModal(); }
void TFHaupt::bersichtderTastaturkzel1Click() { Fenster.FTastaturkuerzel->ShowModal(); }

void TFHaupt::Filme1Click() {
  if (Fenster.FUebersicht->Fuelle(TSammlungsart::Filme)) Fenster.FUebersicht->ShowModal();
}

void TFHaupt::Spiele1Click() {
  if (Fenster.FUebersicht->Fuelle(TSammlungsart::Spiele)) Fenster.FUebersicht->ShowModal();
}

bool TFHaupt::Befehl(const std::function<void()>& befehl) {
  return Befehlsschutz(Dialoge, this, befehl);
}

void TFHaupt::VerbindeBefehle() {
  auto verbinde = [this](auto* sender, auto signal, void (TFHaupt::*handler)()) {
    connect(sender, signal, this, Geschuetzt(Dialoge, this, handler));
  };
  const auto menue = &QAction::triggered;
  const auto knopf = &QToolButton::clicked;

  verbinde(MainNew, menue, &TFHaupt::MainNewClick);
  verbinde(MainLoad, menue, &TFHaupt::MainLoadClick);
  verbinde(MainSave, menue, &TFHaupt::MainSaveClick);
  verbinde(MainClose, menue, &TFHaupt::MainCloseClick);
  verbinde(txtexport, menue, &TFHaupt::txtexportClick);
  verbinde(HTMLDateihtmhtml1, menue, &TFHaupt::HTMLDateihtmhtml1Click);
  verbinde(ExportDifFilm, menue, &TFHaupt::ExportDifFilmClick);
  verbinde(ExportDifSpiel, menue, &TFHaupt::ExportDifSpielClick);
  verbinde(Filmliste1, menue, &TFHaupt::Filmliste1Click);
  verbinde(Spieleliste1, menue, &TFHaupt::Spieleliste1Click);
  verbinde(Film1, menue, &TFHaupt::Film1Click);
  verbinde(Spiel2, menue, &TFHaupt::Spiel2Click);
  verbinde(Film2, menue, &TFHaupt::Film2Click);
  verbinde(Spiel1, menue, &TFHaupt::Spiel1Click);
  verbinde(Suche1, menue, &TFHaupt::Suche1Click);
  verbinde(Optionen1, menue, &TFHaupt::Optionen1Click);
  verbinde(info1, menue, &TFHaupt::info1Click);
  verbinde(Versionsbersicht1, menue, &TFHaupt::Versionsbersicht1Click);
  verbinde(bersichtderTastaturkzel1, menue, &TFHaupt::bersichtderTastaturkzel1Click);
  verbinde(Filme1, menue, &TFHaupt::Filme1Click);
  verbinde(Spiele1, menue, &TFHaupt::Spiele1Click);

  // The two check marks are flipped by their commands alone: undo the flip
  // that Qt makes on its own when the menu entry is chosen.
  for (auto [eintrag, handler] :
       {std::pair{VerleihListeanzeigen, &TFHaupt::VerleihListeanzeigenClick},
        std::pair{WunschlistefrFilmeSpieleanzeigen1, &TFHaupt::WunschlistefrFilmeSpieleanzeigen1Click}}) {
    connect(eintrag, &QAction::triggered, this,
            [this, eintrag, h = Geschuetzt(Dialoge, this, handler)](bool gesetzt) {
              eintrag->setChecked(!gesetzt);
              h();
            });
  }

  verbinde(SBFileNew, knopf, &TFHaupt::SBFileNewClick);
  verbinde(SBFileLoad, knopf, &TFHaupt::SBFileLoadClick);
  verbinde(SBFileSave, knopf, &TFHaupt::SBFileSaveClick);
  verbinde(SBOptionen, knopf, &TFHaupt::SBOptionenClick);
  verbinde(SBInfo, knopf, &TFHaupt::SBInfoClick);
  verbinde(ToolButtonFilmeSpieleWausblenden, knopf, &TFHaupt::ToolButtonFilmeSpieleWausblendenClick);
  verbinde(ToolButtonVerleihListe, knopf, &TFHaupt::ToolButtonVerleihListeClick);
  verbinde(SpeedButton1, knopf, &TFHaupt::SpeedButton1Click);
  verbinde(SpeedButtonkino, knopf, &TFHaupt::SpeedButtonkinoClick);

  verbinde(SBFilmadd, knopf, &TFHaupt::SBFilmaddClick);
  verbinde(SBFilmchange, knopf, &TFHaupt::SBFilmchangeClick);
  verbinde(SBFilmdel, knopf, &TFHaupt::SBFilmdelClick);
  verbinde(SBFilmup, knopf, &TFHaupt::SBFilmupClick);
  verbinde(SBFilmdown, knopf, &TFHaupt::SBFilmdownClick);
  verbinde(SBFilmVerleih, knopf, &TFHaupt::SBFilmVerleihClick);
  verbinde(SBSpieladd, knopf, &TFHaupt::SBSpieladdClick);
  verbinde(SBSpielchange, knopf, &TFHaupt::SBSpielchangeClick);
  verbinde(SBSpieldel, knopf, &TFHaupt::SBSpieldelClick);
  verbinde(SBSpielup, knopf, &TFHaupt::SBSpielupClick);
  verbinde(SBSpieldown, knopf, &TFHaupt::SBSpieldownClick);
  verbinde(SBSpielVerleih, knopf, &TFHaupt::SBSpielVerleihClick);

  verbinde(SBFilmWadd, knopf, &TFHaupt::SBFilmWaddClick);
  verbinde(SBFilmWdel, knopf, &TFHaupt::SBFilmWdelClick);
  verbinde(SBSpielWadd, knopf, &TFHaupt::SBSpielWaddClick);
  verbinde(SBSpielWdel, knopf, &TFHaupt::SBSpielWdelClick);
  verbinde(SBVerleihadd, knopf, &TFHaupt::SBVerleihaddClick);
  verbinde(SBVerleihdel, knopf, &TFHaupt::SBVerleihdelClick);

  verbinde(LBFilme, &TListBox::Click, &TFHaupt::LBFilmeClick);
  verbinde(LBSpiele, &TListBox::Click, &TFHaupt::LBSpieleClick);
  verbinde(LBVerleih, &TListBox::DblClick, &TFHaupt::LBVerleihDblClick);
  verbinde(LBFilmeW, &TListBox::DblClick, &TFHaupt::LBFilmeWDblClick);
  verbinde(LBSpieleW, &TListBox::DblClick, &TFHaupt::LBSpieleWDblClick);
}
