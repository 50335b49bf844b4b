// The exports of the main window: the text report, the HTML page, the DIF
// files and the workbooks, each written to a file the user chooses and offered
// for opening; and the web film lookup.

#include "main/Hauptformular.h"

#include "export/UDif.h"
#include "export/UExcelDatei.h"
#include "export/UExportQuelle.h"
#include "export/UHtmlReport.h"
#include "export/ULookup.h"
#include "export/UTextReport.h"
#include "export/UZeilendatei.h"
#include "widgets/Cp1252.h"
#include "widgets/Dateinamen.h"
#include "widgets/Dialoge.h"
#include "widgets/ListBox.h"
#include "widgets/Wartezeiger.h"
#include "windows/FFUebersicht.h"
#include "windows/Shell.h"

void TFHaupt::Exportiere(TDateiDialog& dialog, const std::function<void(TZeilenZiel&)>& zeilen,
                         const QString& erfolg) {
  if (!dialog.Execute()) return;
  std::optional<std::string> hinweis;
  {
    const TWartezeiger warten;
    hinweis = SchreibeZeilen(DateinameBytes(dialog.FileName), zeilen);
  }
  ZeigeSpeicherhinweis(hinweis);
  BieteOeffnen(dialog.FileName, erfolg);
}

void TFHaupt::BieteOeffnen(const QString& pfad, const QString& erfolg) {
  if (Dialoge.Meldung(this, QStringLiteral("Export erfolgreich beendet"), erfolg, TKnoepfe::JaNein,
                      TSymbol::Keins) != TAntwort::Ja)
    return;
  // The desktop opens the file by its name, in its own folder.
  const qsizetype schnitt = pfad.lastIndexOf(QLatin1Char('/')) + 1;
  Umgebung.Shell.Oeffnen(pfad.mid(schnitt), pfad.left(schnitt));
}

void TFHaupt::ExportiereBericht(TDateiDialog& dialog,
                                void (*zeilen)(const TExportQuelle&, TZeilenZiel&)) {
  if (LBFilme->Count() + LBSpiele->Count() + LBVerleih->Count() + LBFilmeW->Count() +
          LBSpieleW->Count() ==
      0) {
    Dialoge.Meldung(this, QStringLiteral("Fehler:"), QStringLiteral("Keine Daten vorhanden"), TKnoepfe::Ok,
                    TSymbol::Ausrufezeichen);
    return;
  }
  Exportiere(
      dialog,
      [&](TZeilenZiel& ziel) {
        zeilen({*DatBas, LBFilme->Count() > 0, LBSpiele->Count() > 0, Eintraege(LBFilmeW),
                Eintraege(LBSpieleW), Eintraege(LBVerleih)},
               ziel);
      },
      QStringLiteral("Die Daten der CD-Sammlungen wurden erfolgreich in den Report geschrieben!\n"
                     "Wollen Sie die Datei nun mit der Standardanwendung öffnen?"));
}

namespace {

const QString DifErfolg = QStringLiteral(
    "Die Daten wurden erfolgreich in den Report geschrieben!\n"
    "Wollen Sie die Datei nun mit der Standardanwendung öffnen?\n"
    "\n"
    "Hinweis:\n"
    "Sollten *.dif-Dateien auf das Programm \"Quicktime\" registriert\n"
    "sein, öffnen Sie die gespeicherte Datei manuell mit Excel.");

}  // namespace

void TFHaupt::txtexportClick() { ExportiereBericht(SaveDialogtxt, &TextReportZeilen); }
void TFHaupt::HTMLDateihtmhtml1Click() { ExportiereBericht(SaveDialoghtml, &HtmlZeilen); }

void TFHaupt::ExportDifFilmClick() {
  Exportiere(SaveDialogdif, [this](TZeilenZiel& ziel) { DifFilmZeilen(*DatBas, ziel); }, DifErfolg);
}

void TFHaupt::ExportDifSpielClick() {
  Exportiere(SaveDialogdif, [this](TZeilenZiel& ziel) { DifSpielZeilen(*DatBas, ziel); }, DifErfolg);
}

void TFHaupt::ExportiereMappe(TSammlungsart art) {
  const QString liste = art == TSammlungsart::Filme ? QStringLiteral("Filmliste") : QStringLiteral("Spieleliste");
  TFUebersicht& uebersicht = *Fenster.FUebersicht;
  if (!uebersicht.Fuelle(art)) return;
  uebersicht.show();
  uebersicht.close();
  if (!SaveDialogxls.Execute()) return;
  Dialoge.Meldung(this, QStringLiteral("Hinweis:"),
                  QStringLiteral("Die %1 wird nun in das Excel-Format konvertiert.\n"
                                 "Bitte haben Sie einen Augenblick Geduld.")
                      .arg(liste),
                  TKnoepfe::Ok, TSymbol::Keins);
  // An existing file of that name stays until the new workbook replaces it.
  {
    const TWartezeiger warten;
    if (!ExportiereExcelDatei(Umgebung.Automation, uebersicht.Tabelle(),
                              DateinameBytes(SaveDialogxls.FileName)))
      return;
  }
  BieteOeffnen(SaveDialogxls.FileName,
               QStringLiteral("Die %1 wurde erfolgreich gespeichert. Sie können den Report mit Excel "
                              "formatieren und bearbeiten.\n"
                              "Wollen Sie die Datei jetzt mit der Standardanwendung öffnen?")
                   .arg(liste));
}

void TFHaupt::Filmliste1Click() { ExportiereMappe(TSammlungsart::Filme); }
void TFHaupt::Spieleliste1Click() { ExportiereMappe(TSammlungsart::Spiele); }

void TFHaupt::SpeedButtonkinoClick() {
  const std::optional<QString> suchtext = Dialoge.Eingabe(
      this, QStringLiteral("(Eingabe nicht zwingend erforderlich)"), QStringLiteral("Nach welchem Film suchen Sie?"));
  if (!suchtext) return;
  QString ordner = Umgebung.ProgrammVerzeichnis;
  if (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/'))) ordner.chop(1);
  Umgebung.Shell.Oeffnen(QString::fromStdString(LookupAdresse(NachCp1252(*suchtext))), ordner);
}
