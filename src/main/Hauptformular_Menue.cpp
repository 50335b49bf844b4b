// The main menu of the main window.

#include "main/Hauptformular.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* Eintrag(QMenu* menue, const char* name, const QString& text,
                 const QKeySequence& kuerzel = {}) {
  QAction* eintrag = menue->addAction(text);
  eintrag->setObjectName(QString::fromLatin1(name));
  eintrag->setShortcut(kuerzel);
  eintrag->setShortcutContext(Qt::WindowShortcut);
  return eintrag;
}

}  // namespace

void TFHaupt::BaueMenue() {
  QMenuBar* leiste = menuBar();
  leiste->setObjectName(QStringLiteral("MainMenu"));

  QMenu* datei = leiste->addMenu(QStringLiteral("&Datei"));
  MainNew = Eintrag(datei, "MainNew", QStringLiteral("&neu"), QKeySequence(Qt::CTRL | Qt::Key_N));
  MainLoad = Eintrag(datei, "MainLoad", QStringLiteral("&öffnen"), QKeySequence(Qt::CTRL | Qt::Key_O));
  MainSave = Eintrag(datei, "MainSave", QStringLiteral("&speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
  datei->addSeparator();
  QMenu* exportieren = datei->addMenu(QStringLiteral("Datei &exportieren"));
  txtexport = Eintrag(exportieren, "txtexport", QStringLiteral("&Textdatei (*.txt)"),
                      QKeySequence(Qt::CTRL | Qt::Key_T));
  HTMLDateihtmhtml1 = Eintrag(exportieren, "HTMLDateihtmhtml1",
                              QStringLiteral("&HTML-Datei (*.htm, *.html)"),
                              QKeySequence(Qt::CTRL | Qt::Key_H));
  QMenu* excel = exportieren->addMenu(QStringLiteral("&Excel-Datei (*.xls)"));
  Filmliste1 = Eintrag(excel, "Filmliste1", QStringLiteral("&Filme"));
  Spieleliste1 = Eintrag(excel, "Spieleliste1", QStringLiteral("&Spiele"));
  QMenu* dif = exportieren->addMenu(QStringLiteral("Excel-Datei (*.&dif*)"));
  ExportDifFilm = Eintrag(dif, "ExportDifFilm", QStringLiteral("&Filme"));
  ExportDifSpiel = Eintrag(dif, "ExportDifSpiel", QStringLiteral("&Spiele"));
  datei->addSeparator();
  MainClose = Eintrag(datei, "MainClose", QStringLiteral("&Programm beenden"));

  QMenu* bearbeiten = leiste->addMenu(QStringLiteral("&Bearbeiten"));
  QMenu* hinzufuegen = bearbeiten->addMenu(QStringLiteral("&Hinzufügen"));
  Film1 = Eintrag(hinzufuegen, "Film1", QStringLiteral("&Film"),
                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F));
  Spiel2 = Eintrag(hinzufuegen, "Spiel2", QStringLiteral("&Spiel"),
                   QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
  QMenu* loeschen = bearbeiten->addMenu(QStringLiteral("&Löschen"));
  Film2 = Eintrag(loeschen, "Film2", QStringLiteral("&Film"));
  Spiel1 = Eintrag(loeschen, "Spiel1", QStringLiteral("&Spiel"));
  bearbeiten->addSeparator();
  Suche1 = Eintrag(bearbeiten, "Suche1", QStringLiteral("S&uchen"), QKeySequence(Qt::Key_F3));

  QMenu* ansicht = leiste->addMenu(QStringLiteral("&Ansicht"));
  QMenu* tabelle = ansicht->addMenu(QStringLiteral("T&abellenübersicht"));
  Filme1 = Eintrag(tabelle, "Filme1", QStringLiteral("&Filme"));
  Spiele1 = Eintrag(tabelle, "Spiele1", QStringLiteral("&Spiele"));
  ansicht->addSeparator();
  VerleihListeanzeigen = Eintrag(ansicht, "VerleihListeanzeigen",
                                 QStringLiteral("&Verleih-Liste && Statistik anzeigen"),
                                 QKeySequence(Qt::Key_F11));
  WunschlistefrFilmeSpieleanzeigen1 =
      Eintrag(ansicht, "WunschlistefrFilmeSpieleanzeigen1",
              QStringLiteral("&Wunschlisten für Filme && Spiele anzeigen"),
              QKeySequence(Qt::Key_F12));
  for (QAction* haken : {VerleihListeanzeigen, WunschlistefrFilmeSpieleanzeigen1}) {
    haken->setCheckable(true);
    haken->setChecked(true);
  }

  QMenu* einstellungen = leiste->addMenu(QStringLiteral("&Einstellungen"));
  Optionen1 = Eintrag(einstellungen, "Optionen1", QStringLiteral("&Optionen"),
                      QKeySequence(Qt::Key_F10));

  QMenu* info = leiste->addMenu(QStringLiteral("&Info"));
  info1 = Eintrag(info, "info1", QStringLiteral("&Programminfo"), QKeySequence(Qt::Key_F1));
  Versionsbersicht1 = Eintrag(info, "Versionsbersicht1", QStringLiteral("&Versionsübersicht"));
  bersichtderTastaturkzel1 = Eintrag(info, "bersichtderTastaturkzel1",
                                     QStringLiteral("&Übersicht der Tastaturküzel"));
}
