#include "windows/FFVersion.h"

#include "export/Programmangaben.h"
#include "widgets/Bauteile.h"
#include "widgets/Cp1252.h"
#include "widgets/Zugangsnamen.h"
#include "windows/Textflaeche.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QStringList Versionstext() {
  const QString seitenName = VonCp1252(Programmangaben::FilmSeitenName);
  const QString seite = VonCp1252(Programmangaben::FilmSeite);
  return {
      QStringLiteral("Änderungen in Version 1.0 (Final) (2005-02-26) :"),
      QStringLiteral("- Statistik-Berechnung vervollständigt"),
      QStringLiteral("- Suchfunktion vereinfacht"),
      QStringLiteral("- Sortiermöglichkeiten erweitert"),
      QStringLiteral("- Link zu ") + seitenName + QStringLiteral(" erneuert"),
      QStringLiteral("- Abfragen nach Änderung der Datei erweitert"),
      QString(),
      QStringLiteral("Änderungen in Version 0.2 (RC) (2004-10-12) :"),
      QStringLiteral("- 3 Bugs in der Statistik behoben"),
      QStringLiteral("- Dateiname wird nach dem Laden / Speichern in der Titelleiste angezeigt"),
      QStringLiteral("- Export der Datei ins Excel-Format (*.dif) möglich"),
      QStringLiteral("- Export der Datei ins Excel-Format (*.xls) möglich"),
      QStringLiteral("- Export der Datei ins HTML-Format (*.html, *.htm) möglich"),
      QStringLiteral("- Film-, Spiele- und Verleihliste: komplette Zeile bei Doppelklick auf Liste"),
      QStringLiteral("- Infofenster (Programminfo) geändert"),
      QStringLiteral("- Link auf ") + seite + QStringLiteral(" gesetzt"),
      QStringLiteral("- Statistik erweitert"),
      QStringLiteral("- Statistik kann in die Windows-Zwischenablage kopiert werden"),
      QStringLiteral("- Suche nach Filmen & Spielen möglich"),
      QStringLiteral("- Tabellarische Übersicht: Detailansicht bei Doppelklick auf die Tabelle"),
      QStringLiteral("- Tastaturkürzel erweitert"),
      QStringLiteral("- Übersicht der Tastaturkürzel"),
      QStringLiteral("- Wunschlisten für Filme und Spiele können ausgeblendet werden"),
      QString(),
      QStringLiteral("Änderungen in Version 0.1b (Beta) (2004) :"),
      QStringLiteral("- Export der Datei ins Textdatei-Format (*.txt) möglich"),
      QStringLiteral("- Filme sowie Spiele können einzeln in der Liste verschoben werden"),
      QStringLiteral("- Filme sowie Spiele können automatisch sortiert werden"),
      QStringLiteral("- Film- und Spielliste: Nummer des markierten Eintrages wird angezeigt"),
      QStringLiteral("- Laden einer Datei bei Doppelklick im Explorer"),
      QStringLiteral("  ( sofern Dateityp-Registrierung existiert )"),
      QStringLiteral("- Statistik verfügbar"),
      QStringLiteral("- Tabellarische Übersicht der Filme & Spiele (Excel-like)"),
      QString(),
      QStringLiteral("Erster Relaese: Version 0.1a (Alpha-Version) (2004)"),
  };
}

}  // namespace

TFVersion::TFVersion(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Scheibwart Version 1.0"), 450, 266, true) {
  setObjectName(QStringLiteral("FVersion"));
  GroupBox1 = Bauteile::Gruppe(this, "GroupBox1", QStringLiteral("Versionsübersicht : "), 16, 16, 417, 201);
  Memo1 = Textflaeche(GroupBox1, "Memo1", 20, 24, 381, 161, Versionstext());
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Zugangsnamen::BenenneFlaeche(Memo1, Bauteile::Gruppenname(GroupBox1));
  SpeedButton1 = SchliessenKnopf("SpeedButton1", 16, 232, 417, 22);

  connect(SpeedButton1, &QPushButton::clicked, this, &TFVersion::SpeedButton1Click);
}

void TFVersion::SpeedButton1Click() { close(); }
