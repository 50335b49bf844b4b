#pragma once
// The main window. It owns the collection store, the two sort trees and the
// two file dialogs for the whole run; its members are split over several
// files by concern (building, menu, lifecycle, collection file, selection).

#include "model/UDBSortTreeF.h"
#include "model/UDBSortTreeS.h"
#include "model/UDatbas.h"
#include "model/USammlungsdatei.h"
#include "main/SetupIni.h"
#include "main/Umgebung.h"
#include "platform/DateiDialog.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QToolButton;
class TDialoge;
class TListBox;
class TFOptionen;
class TFFInfo;
class TFVersion;
class TFUebersicht;
class TFSuche;
class TFTastaturkuerzel;
class TFDetailansicht;

// The secondary windows, made after the main window in this order.
struct TFensterSatz {
  TFOptionen* FOptionen = nullptr;
  TFFInfo* FFInfo = nullptr;
  TFVersion* FVersion = nullptr;
  TFUebersicht* FUebersicht = nullptr;
  TFSuche* FSuche = nullptr;
  TFTastaturkuerzel* FTastaturkuerzel = nullptr;
  TFDetailansicht* FDetailansicht = nullptr;
};

class TFHaupt : public QMainWindow {
  Q_OBJECT
public:
  static constexpr int ClientBreite = 907;
  static constexpr int ClientHoehe = 654;

  explicit TFHaupt(const TUmgebung& umgebung);
  ~TFHaupt() override;

  void SetzeFenster(const TFensterSatz& fenster) { Fenster = fenster; }

  // Owned for the whole run.
  std::unique_ptr<TDatBas> DatBas;
  std::unique_ptr<TDBSortTreeF> SortTreeF;
  std::unique_ptr<TDBSortTreeS> SortTreeS;
  std::unique_ptr<TSetupIni> SetupIni;

  // The collection, a list or their order changed since start-up, New or Save.
  bool Modified = false;

  TDateiDialog OpenDialog;
  TDateiDialog SaveDialog;

  // Main menu.
  QAction* MainNew;
  QAction* MainLoad;
  QAction* MainSave;
  QAction* txtexport;
  QAction* HTMLDateihtmhtml1;
  QAction* Filmliste1;
  QAction* Spieleliste1;
  QAction* ExportDifFilm;
  QAction* ExportDifSpiel;
  QAction* MainClose;
  QAction* Film1;
  QAction* Spiel2;
  QAction* Film2;
  QAction* Spiel1;
  QAction* Suche1;
  QAction* Filme1;
  QAction* Spiele1;
  QAction* VerleihListeanzeigen;
  QAction* WunschlistefrFilmeSpieleanzeigen1;
  QAction* Optionen1;
  QAction* info1;
  QAction* Versionsbersicht1;
  QAction* bersichtderTastaturkzel1;

  // Tool column.
  QToolButton* SBFileNew;
  QToolButton* SBFileLoad;
  QToolButton* SBFileSave;
  QToolButton* SBOptionen;
  QToolButton* SBInfo;
  QToolButton* SpeedButtonkino;
  QToolButton* ToolButtonFilmeSpieleWausblenden;
  QToolButton* ToolButtonVerleihListe;

  // Film panel.
  QGroupBox* GBFilme;
  TListBox* LBFilme;
  QLineEdit* EFFilm;
  QLineEdit* EFCDAnzahl;
  QComboBox* EFCDFormat;
  QComboBox* EFGenre;
  QLineEdit* EFKommentar;
  QToolButton* SBFilmadd;
  QToolButton* SBFilmchange;
  QToolButton* SBFilmdel;
  QToolButton* SBFilmup;
  QToolButton* SBFilmdown;
  QToolButton* SBFilmVerleih;
  QLabel* LBFilmNum;

  // Game panel.
  QGroupBox* GroupBox2;
  TListBox* LBSpiele;
  QLineEdit* ESSpiel;
  QLineEdit* ESCDAnzahl;
  QComboBox* ESGenre;
  QLineEdit* ESKommentar;
  QToolButton* SBSpieladd;
  QToolButton* SBSpielchange;
  QToolButton* SBSpieldel;
  QToolButton* SBSpielup;
  QToolButton* SBSpieldown;
  QToolButton* SBSpielVerleih;
  QLabel* LBSpielNum;

  // Wish lists and lending list.
  QGroupBox* GroupBox1;
  TListBox* LBFilmeW;
  QToolButton* SBFilmWadd;
  QToolButton* SBFilmWdel;
  QGroupBox* GroupBox3;
  TListBox* LBSpieleW;
  QToolButton* SBSpielWadd;
  QToolButton* SBSpielWdel;
  QGroupBox* GBVerleih;
  TListBox* LBVerleih;
  QToolButton* SBVerleihadd;
  QToolButton* SBVerleihdel;

  // Statistics panel.
  QGroupBox* GBStatistik;
  QLabel* LSF;
  QLabel* LSFW;
  QLabel* LSS;
  QLabel* LSSW;
  QLabel* LSV;
  QToolButton* SpeedButton1;

  QStatusBar* StatusBar;

  // Lifecycle.
  void FormCreate();
  void FormShow();
  void FormDestroy();
  // Asks the closing question; false when the window must stay open.
  bool FormClose();

  // Commands.
  void MainNewClick();
  void SBFileNewClick();
  void MainLoadClick();
  void SBFileLoadClick();
  void MainSaveClick();
  void SBFileSaveClick();
  void MainCloseClick();
  void Optionen1Click();
  void SBOptionenClick();
  void info1Click();
  void SBInfoClick();
  // Recomputes the statistics panel from the store and the list boxes.
  void SBStatistikClick();
  // Puts the statistics, as a few sentences, on the clipboard.
  void SpeedButton1Click();

  // Selection of a film or game line: the record into the edits, its number.
  void LBFilmeClick();
  void LBSpieleClick();

  // Reads a collection file into the empty store and list boxes.
  void LoadCollection(const QString& pfad);

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  enum class TSpeicherErgebnis { Geschrieben, Abgebrochen, NichtsZuSpeichern };
  // The two save-first questions: before Open and New, and on closing.
  enum class TFrage { VorherSpeichern, AenderungenSpeichern };

  void BaueFenster();
  void BaueMenue();
  void BaueWerkzeugspalte(QWidget* flaeche);
  void BauePanels(QWidget* flaeche);
  void BaueListen(QWidget* flaeche);
  void BaueStatistik(QWidget* flaeche);
  void VerbindeBefehle();

  // Runs a command inside the guard; false when it failed.
  bool Befehl(const std::function<void()>& befehl);
  // Start-up's settings: the options window's check boxes and the names the
  // file dialogs propose.
  void LiesEinstellungen();

  TSpeicherErgebnis Speichern();
  // The save-first question; false when Yes was answered and nothing was
  // written, so that the asking command must stop.
  bool VorherSpeichern(TFrage frage);
  // The New command; false when it was abandoned by its question.
  bool Neu();
  void SetzeSammlungsknoepfe(bool filme, bool an);
  // Rebuild a list box from the store, one row text per record.
  void FuelleFilmliste();
  void FuelleSpielliste();
  // The collection and the three lists as the file holds them.
  TSammlung Sammlung() const;

  TUmgebung Umgebung;
  TDialoge& Dialoge;
  TFensterSatz Fenster;
  bool Gezeigt = false;
};
