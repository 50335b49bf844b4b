#pragma once
// The main window. It owns the collection store, the two sort trees and the
// two file dialogs for the whole run; its members are split over several
// files by concern (building, menu, lifecycle, collection file, selection).

#include "model/UDBSortTreeF.h"
#include "model/UDBSortTreeS.h"
#include "model/UDatbas.h"
#include "model/UJournal.h"
#include "model/USammlungsart.h"
#include "model/USammlungsdatei.h"
#include "platform/Dateistand.h"
#include "main/SetupIni.h"
#include "widgets/Umgebung.h"
#include "widgets/DateiDialog.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSessionManager;
class QStatusBar;
class QTimer;
class QToolButton;
class TDialoge;
class TListBox;
class TZeilenZiel;
class TSammlungszeilen;
struct TExportQuelle;
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
  TDateiDialog SaveDialogtxt;
  TDateiDialog SaveDialoghtml;
  TDateiDialog SaveDialogdif;  // shared by the film and the game export
  TDateiDialog SaveDialogxls;  // shared by the film and the game workbook

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

  // Context menus of the five lists.
  QMenu* PopupMenuFilme;
  QMenu* PopupMenuSpiele;
  QMenu* PopupMenuFilmeW;
  QMenu* PopupMenuSpieleW;
  QMenu* PopupMenuV;
  QAction* FilmePopupMSuchen;
  QAction* SpielePopupMSuchen;
  QMenu* Sortieren1;  // films
  QMenu* MenuItem1;   // games
  QAction* FilmePopupMWadd;
  QAction* FilmePopupMWdel;
  QAction* SpielePopupMWadd;
  QAction* SpielePopupMWdel;
  QAction* MenuItem2;  // lending list: add
  QAction* MenuItem6;  // lending list: delete

  // Lifecycle.
  void FormCreate();
  void FormShow();
  void FormDestroy();
  // The first showing runs FormShow once the window is on screen, so that
  // the start's boxes come over it rather than before it.
  void setVisible(bool sichtbar) override;
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
  void Versionsbersicht1Click();
  void bersichtderTastaturkzel1Click();
  void Filme1Click();
  void Spiele1Click();
  void SBInfoClick();
  // Exports and the web film lookup.
  void txtexportClick();
  void HTMLDateihtmhtml1Click();
  void ExportDifFilmClick();
  void ExportDifSpielClick();
  void Filmliste1Click();
  void Spieleliste1Click();
  void SpeedButtonkinoClick();

  // Recomputes the statistics panel from the store and the list boxes.
  void SBStatistikClick();
  // Puts the statistics, as a few sentences, on the clipboard.
  void SpeedButton1Click();

  // Selection of a film or game line: the record into the edits, its number.
  void LBFilmeClick();
  void LBSpieleClick();

  // Editing films and games.
  void SBFilmaddClick();
  void SBSpieladdClick();
  void Film1Click();
  void Spiel2Click();
  void SBFilmchangeClick();
  void SBSpielchangeClick();
  void SBFilmdelClick();
  void SBSpieldelClick();
  void Film2Click();
  void Spiel1Click();
  void SBFilmupClick();
  void SBFilmdownClick();
  void SBSpielupClick();
  void SBSpieldownClick();
  void Suche1Click();
  void FilmePopupMSuchenClick();
  void SpielePopupMSuchenClick();

  // Wish lists and the lending list.
  void SBVerleihaddClick();
  void SBVerleihdelClick();
  void MenuItem2Click();
  void MenuItem6Click();
  void SBFilmWaddClick();
  void SBFilmWdelClick();
  void FilmePopupMWaddClick();
  void FilmePopupMWdelClick();
  void SBSpielWaddClick();
  void SBSpielWdelClick();
  void SpielePopupMWaddClick();
  void SpielePopupMWdelClick();
  void SBFilmVerleihClick();
  void SBSpielVerleihClick();
  void LBVerleihDblClick();
  void LBFilmeWDblClick();
  void LBSpieleWDblClick();

  // Hiding and showing the lending list with the statistics, and the wish lists.
  void ToolButtonVerleihListeClick();
  void VerleihListeanzeigenClick();
  void ToolButtonFilmeSpieleWausblendenClick();
  void WunschlistefrFilmeSpieleanzeigen1Click();

  // Reads a collection file into the empty store and list boxes.
  void LoadCollection(const QString& pfad);

protected:
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
  // Widens a value label of the statistics panel that its text outgrew, and
  // the panel with it up to the window's edge; a text wider still starts
  // further left. All go back to their places when the text fits again.
  void PasseStatistikBreiten();
  void VerbindeBefehle();

  // Runs a command inside the guard; false when it failed.
  bool Befehl(const std::function<void()>& befehl);
  // Start-up's settings: the options window's check boxes and the names the
  // file dialogs propose.
  void LiesEinstellungen();

  TSpeicherErgebnis Speichern();
  // What a save or export that put its file in place could not assure.
  void ZeigeSpeicherhinweis(const std::optional<std::string>& hinweis);
  // Offers back each previous version that a killed save left, oldest first.
  void BieteWiederherstellung();
  // The save-first question; false when Yes was answered and nothing was
  // written, so that the asking command must stop.
  bool VorherSpeichern(TFrage frage);
  // The New command; false when it was abandoned by its question.
  bool Neu();
  // The collection file last read or written, so that Save notices when
  // another program saved it since.
  TGemerkteDatei GemerkteDatei;

  // One editing panel's controls; films and games differ only in these.
  struct TPanel {
    TListBox* Liste;
    QLineEdit* Name;
    QLabel* Num;
    std::array<QToolButton*, 5> Knoepfe;  // change, delete, up, down, lend
    TSammlungszeilen* Zeilen;
    void (TFHaupt::*Click)();
  };
  TPanel FilmPanel();
  TPanel SpielPanel();
  // The five buttons that work only while the panel's list has lines.
  static void Freigeben(const TPanel& panel, bool an);
  // The record commands shared by both panels; TSeite says how a film or a
  // game reaches the store and the edits.
  template <class TSeite> void Hinzufuegen();
  template <class TSeite> void Aendern();
  template <class TSeite> void Loeschen();
  template <class TSeite> void Verschieben(bool nachOben);

  // One of the three text lists with its delete button.
  void NotizHinzufuegen(TListBox* liste, QToolButton* loeschen, const QString& titel);
  void NotizLoeschen(TListBox* liste, QToolButton* loeschen);
  void NotizZeigen(TListBox* liste);
  void Verleihen(TListBox* sammlung);

  void BaueKontextmenues();
  void BaueHinweise();
  void Sortiere(bool filme, int schluessel, bool aufsteigend);
  // Client size and the Tab stops of the lists that a toggle hides.
  void SetzeClientgroesse(int breite, int hoehe);
  // LBFilme and LBSpiele show the store through these.
  void ZeigeStore();
  TSammlungszeilen* FilmZeilen;
  TSammlungszeilen* SpielZeilen;
  // Reads the file (none: the empty collection) into the empty store and
  // list boxes, with the journal's entries replayed on it. A file that fails
  // part-way keeps what was read: the result is the failure text, else empty.
  std::string LadeSammlung(const QString& pfad, const std::vector<std::vector<std::uint8_t>>& nachspielen);
  // A list box's entries in code page 1252, top to bottom.
  static std::vector<std::string> Eintraege(const TListBox* liste);

  // Asks for the file, writes the lines, offers to open the file.
  void Exportiere(TDateiDialog& dialog, const std::function<void(TZeilenZiel&)>& zeilen,
                  const QString& erfolg);
  // The success prompt of an export; on Yes the desktop opens the file.
  void BieteOeffnen(const QString& pfad, const QString& erfolg);
  // Fills the table overview and lets the spreadsheet application save it.
  void ExportiereMappe(TSammlungsart art);
  // The text and HTML reports' frame: nothing to export when all lists are empty.
  void ExportiereBericht(TDateiDialog& dialog, void (*zeilen)(const TExportQuelle&, TZeilenZiel&));

  // The recovery journal of the unsaved changes: begun by the first change
  // after start-up, New, Open or Save, from the file then loaded or saved;
  // each command's changes are written at once and synced within a second.
  void Journalisiere(const TJournalEintrag& eintrag);
  // The changes were saved or let go: the journal goes.
  void BeendeJournal();
  // A journal that could not be written is dropped, and the changes are no
  // longer journalled until the next save, New or Open: one that missed a
  // change would restore a wrong collection.
  void JournalGescheitert(const std::string& fehler);
  // Offers back each journal a dead program left, oldest first, until one is
  // restored; true when one was.
  bool BieteJournaleAn();
  void StelleJournalWiederHer(const TOffenesJournal& journal);
  // The session ends: ask the closing question where the session manager
  // lets the program ask, else keep the journal on disk.
  void SitzungEndet(QSessionManager& sitzung);
  std::unique_ptr<TJournaldatei> Journal;
  QTimer* JournalUhr;
  bool JournalAusgesetzt = false;

  TUmgebung Umgebung;
  TDialoge& Dialoge;
  TFensterSatz Fenster;
  bool Gezeigt = false;
};
