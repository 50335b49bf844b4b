#pragma once
// The program as the benchmarks drive it: started in the window tests'
// environment (scripted dialogs, recording desktop services) with a
// collection named on its command line, its commands given as the user gives
// them and the dialogs answered from the script.

#include "main/Programm.h"
#include "support/Testumgebung.h"

#include <QApplication>

#include <functional>
#include <memory>
#include <string>

class QAction;
class TListBox;

// The main window's file exports and the name of the file each one writes.
struct TExport {
  const char* Name;
  QAction* TFHaupt::*Befehl;
  const char* Datei;
};
inline const TExport Exporte[] = {
    {"Textbericht", &TFHaupt::txtexport, "Bericht.txt"},
    {"HtmlBericht", &TFHaupt::HTMLDateihtmhtml1, "Bericht.html"},
    {"DifFilme", &TFHaupt::ExportDifFilm, "Filme.dif"},
    {"DifSpiele", &TFHaupt::ExportDifSpiel, "Spiele.dif"},
};

class TLaufendesProgramm {
public:
  // Returns once the main window is shown with its lists and statistics filled.
  // vorDemStart prepares the environment (the state folder, scripted answers)
  // before the program starts.
  explicit TLaufendesProgramm(const std::string& sammlung,
                              const std::function<void(TTestumgebung&)>& vorDemStart = {});

  TFHaupt& Haupt() { return Programm->Haupt(); }
  const TFensterSatz& Fenster() const { return Programm->Fenster(); }
  TScriptedDialoge& Dialoge() { return Umwelt.Dialoge; }

  // Selects a line of a list box as a mouse click on it does.
  void Waehle(TListBox* liste, int zeile);
  void Speichere(const std::string& pfad);
  void Oeffne(const std::string& pfad);
  // An export command: its file dialog answered with its file in ordner, its
  // offer to open the file declined. Returns the file's path.
  std::string Exportiere(const TExport& art, const std::string& ordner);
  // Opens the table overview through its menu command and closes it as soon
  // as its event loop runs.
  void ZeigeUebersicht(QAction* befehl);
  // Closes the main window and destroys the program; nothing may follow.
  void Beende();

  // Empty while every box had its answer scripted, every scripted answer was
  // taken and no command failed; otherwise what went wrong.
  std::string Stoerung() const;

private:
  TTestumgebung Umwelt;
  std::unique_ptr<TProgramm> Programm;
};

// The application of a measuring program: offscreen, without the desktop's
// platform theme, and not quitting when the main window closes.
std::unique_ptr<QApplication> OffscreenAnwendung(int& argc, char** argv);
