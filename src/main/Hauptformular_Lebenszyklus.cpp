// The main window from creation to destruction: what it owns, the first
// showing, the New command, the questions that protect unsaved changes,
// closing, and the routing of its commands through the one guard.

#include "main/Hauptformular.h"

#include "main/FFOptionen.h"
#include "main/Fenstertitel.h"
#include "platform/Befehlsschutz.h"
#include "platform/Dialoge.h"
#include "platform/ListBox.h"
#include "windows/FInfo.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TFHaupt::TFHaupt(TDialoge& dialoge, QStringList argumente)
    : OpenDialog(TDateiDialog::TArt::Oeffnen, dialoge, this),
      SaveDialog(TDateiDialog::TArt::Speichern, dialoge, this),
      Dialoge(dialoge),
      Argumente(std::move(argumente)) {
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
}

void TFHaupt::FormDestroy() {
  DatBas.reset();
  SortTreeF.reset();
  SortTreeS.reset();
}

void TFHaupt::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (Gezeigt) return;
  Gezeigt = true;
  Befehl([this] { FormShow(); });
}

void TFHaupt::FormShow() {
  Modified = false;
  if (!Argumente.isEmpty() && QFileInfo(Argumente.first()).isFile())
    LoadCollection(Argumente.first());
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

std::function<void()> TFHaupt::Geschuetzt(void (TFHaupt::*handler)()) {
  return [this, handler] { Befehl([this, handler] { (this->*handler)(); }); };
}

void TFHaupt::VerbindeBefehle() {
  connect(MainNew, &QAction::triggered, this, Geschuetzt(&TFHaupt::MainNewClick));
  connect(MainLoad, &QAction::triggered, this, Geschuetzt(&TFHaupt::MainLoadClick));
  connect(MainSave, &QAction::triggered, this, Geschuetzt(&TFHaupt::MainSaveClick));
  connect(MainClose, &QAction::triggered, this, Geschuetzt(&TFHaupt::MainCloseClick));
  connect(Optionen1, &QAction::triggered, this, Geschuetzt(&TFHaupt::Optionen1Click));
  connect(info1, &QAction::triggered, this, Geschuetzt(&TFHaupt::info1Click));
  connect(SBFileNew, &QToolButton::clicked, this, Geschuetzt(&TFHaupt::SBFileNewClick));
  connect(SBFileLoad, &QToolButton::clicked, this, Geschuetzt(&TFHaupt::SBFileLoadClick));
  connect(SBFileSave, &QToolButton::clicked, this, Geschuetzt(&TFHaupt::SBFileSaveClick));
  connect(SBOptionen, &QToolButton::clicked, this, Geschuetzt(&TFHaupt::SBOptionenClick));
  connect(SBInfo, &QToolButton::clicked, this, Geschuetzt(&TFHaupt::SBInfoClick));
  connect(LBFilme, &TListBox::Click, this, Geschuetzt(&TFHaupt::LBFilmeClick));
  connect(LBSpiele, &TListBox::Click, this, Geschuetzt(&TFHaupt::LBSpieleClick));
}
