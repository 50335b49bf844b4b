// The main window from creation to destruction: what it owns, the first
// showing, the New command, the questions that protect unsaved changes,
// closing, and the routing of its commands through the one guard.

#include "main/Hauptformular.h"

#include "main/FFOptionen.h"
#include "main/Fenstertitel.h"
#include "platform/Befehlsschutz.h"
#include "platform/Dialoge.h"
#include "platform/Fehler.h"
#include "platform/ListBox.h"
#include "windows/FInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TFHaupt::TFHaupt(const TUmgebung& umgebung)
    : OpenDialog(TDateiDialog::TArt::Oeffnen, umgebung.Dialoge, this),
      SaveDialog(TDateiDialog::TArt::Speichern, umgebung.Dialoge, this),
      Umgebung(umgebung),
      Dialoge(umgebung.Dialoge) {
  setObjectName(QStringLiteral("FHaupt"));
  BaueFenster();
  VerbindeBefehle();
  FormCreate();
}

TFHaupt::~TFHaupt() { FormDestroy(); }

void TFHaupt::FormCreate() {
  DatBas = std::make_unique<TDatBas>();
  SortTreeF = std::make_unique<TDBSortTreeF>();
  SortTreeS = std::make_unique<TDBSortTreeS>();

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

  SetupIni = std::make_unique<TSetupIni>(Umgebung.ProgrammVerzeichnis);
}

void TFHaupt::FormDestroy() {
  DatBas.reset();
  SortTreeF.reset();
  SortTreeS.reset();
  SetupIni.reset();
}

void TFHaupt::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (Gezeigt) return;
  Gezeigt = true;
  Befehl([this] { FormShow(); });
}

void TFHaupt::FormShow() {
  Modified = false;
  LiesEinstellungen();
  const QStringList& argumente = Umgebung.Argumente;
  if (!argumente.isEmpty() && QFileInfo(argumente.first()).isFile()) {
    LoadCollection(argumente.first());
  } else if (Fenster.FOptionen->CBload->isChecked()) {
    const QString letzte = SetupIni->LiesText("Datei", "letzteDatei");
    if (QFileInfo(letzte).isFile()) LoadCollection(letzte);
  }
  SBStatistikClick();
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
  if (schliessen)
    event->accept();
  else
    event->ignore();
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
  for (TListBox* liste : {LBVerleih, LBSpiele, LBFilme, LBFilmeW, LBSpieleW}) liste->Clear();
  Modified = false;
  SetzeSammlungsknoepfe(true, false);
  SetzeSammlungsknoepfe(false, false);
  for (QToolButton* knopf : {SBVerleihdel, SBFilmWdel, SBSpielWdel}) knopf->setEnabled(false);
  SBStatistikClick();
  LBFilmNum->setText(QStringLiteral("0"));
  LBSpielNum->setText(QStringLiteral("0"));
  for (QLineEdit* edit : {EFFilm, EFCDAnzahl, EFKommentar, ESSpiel, ESCDAnzahl, ESKommentar})
    edit->clear();
  for (QComboBox* kombi : {EFCDFormat, EFGenre, ESGenre}) kombi->setEditText(QString());
  setWindowTitle(TitleNoFile());
  return true;
}

void TFHaupt::MainNewClick() { Neu(); }
void TFHaupt::SBFileNewClick() { MainNewClick(); }

void TFHaupt::SetzeSammlungsknoepfe(bool filme, bool an) {
  QToolButton* const filmKnoepfe[] = {SBFilmchange, SBFilmdel, SBFilmup, SBFilmdown, SBFilmVerleih};
  QToolButton* const spielKnoepfe[] = {SBSpielchange, SBSpieldel, SBSpielup, SBSpieldown,
                                       SBSpielVerleih};
  for (QToolButton* knopf : filme ? filmKnoepfe : spielKnoepfe) knopf->setEnabled(an);
}

void TFHaupt::Optionen1Click() { Fenster.FOptionen->ShowModal(); }
void TFHaupt::SBOptionenClick() { Optionen1Click(); }
void TFHaupt::info1Click() { Fenster.FFInfo->ShowModal(); }
void TFHaupt::SBInfoClick() { info1Click(); }

bool TFHaupt::Befehl(const std::function<void()>& befehl) {
  return Befehlsschutz(Dialoge, this, befehl);
}

void TFHaupt::VerbindeBefehle() {
  connect(MainNew, &QAction::triggered, this, Geschuetzt(Dialoge, this, &TFHaupt::MainNewClick));
  connect(MainLoad, &QAction::triggered, this, Geschuetzt(Dialoge, this, &TFHaupt::MainLoadClick));
  connect(MainSave, &QAction::triggered, this, Geschuetzt(Dialoge, this, &TFHaupt::MainSaveClick));
  connect(MainClose, &QAction::triggered, this, Geschuetzt(Dialoge, this, &TFHaupt::MainCloseClick));
  connect(Optionen1, &QAction::triggered, this, Geschuetzt(Dialoge, this, &TFHaupt::Optionen1Click));
  connect(info1, &QAction::triggered, this, Geschuetzt(Dialoge, this, &TFHaupt::info1Click));
  connect(SBFileNew, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFHaupt::SBFileNewClick));
  connect(SBFileLoad, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFHaupt::SBFileLoadClick));
  connect(SBFileSave, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFHaupt::SBFileSaveClick));
  connect(SBOptionen, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFHaupt::SBOptionenClick));
  connect(SBInfo, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFHaupt::SBInfoClick));
  connect(SpeedButton1, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFHaupt::SpeedButton1Click));
  connect(LBFilme, &TListBox::Click, this, Geschuetzt(Dialoge, this, &TFHaupt::LBFilmeClick));
  connect(LBSpiele, &TListBox::Click, this, Geschuetzt(Dialoge, this, &TFHaupt::LBSpieleClick));
}
