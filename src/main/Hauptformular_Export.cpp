// The exports of the main window: the text report, the HTML page and the DIF
// files, each written to a file the user chooses and offered for opening; and
// the web film lookup.

#include "main/Hauptformular.h"

#include "export/UDif.h"
#include "export/UExportQuelle.h"
#include "export/UHtmlReport.h"
#include "export/ULookup.h"
#include "export/UTextReport.h"
#include "export/UZeilendatei.h"
#include "platform/Cp1252.h"
#include "platform/Dialoge.h"
#include "platform/ListBox.h"
#include "windows/Shell.h"

#include <QFile>

void TFHaupt::Exportiere(TDateiDialog& dialog, const std::function<std::vector<std::string>()>& zeilen,
                         const QString& erfolg) {
  if (!dialog.Execute()) return;
  SchreibeZeilen(QFile::encodeName(dialog.FileName).toStdString(), zeilen());
  if (Dialoge.Meldung(this, QStringLiteral("Export erfolgreich beendet"), erfolg, TKnoepfe::JaNein,
                      TSymbol::Keins) != TAntwort::Ja)
    return;
  // The desktop opens the file by its name, in its own folder.
  const QString pfad = dialog.FileName;
  const qsizetype schnitt = pfad.lastIndexOf(QLatin1Char('/')) + 1;
  Umgebung.Shell.Oeffnen(pfad.mid(schnitt), pfad.left(schnitt));
}

void TFHaupt::ExportiereBericht(TDateiDialog& dialog,
                                std::vector<std::string> (*zeilen)(const TExportQuelle&)) {
  if (LBFilme->Count() + LBSpiele->Count() + LBVerleih->Count() + LBFilmeW->Count() +
          LBSpieleW->Count() ==
      0) {
    Dialoge.Meldung(this, QStringLiteral("Fehler:"), QStringLiteral("Keine Daten vorhanden"), TKnoepfe::Ok,
                    TSymbol::Ausrufezeichen);
    return;
  }
  Exportiere(
      dialog,
      [&] {
        return zeilen({*DatBas, LBFilme->Count() > 0, LBSpiele->Count() > 0, Eintraege(LBFilmeW),
                       Eintraege(LBSpieleW), Eintraege(LBVerleih)});
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
  Exportiere(SaveDialogdif, [this] { return DifFilmZeilen(*DatBas); }, DifErfolg);
}

void TFHaupt::ExportDifSpielClick() {
  Exportiere(SaveDialogdif, [this] { return DifSpielZeilen(*DatBas); }, DifErfolg);
}

void TFHaupt::SpeedButtonkinoClick() {
  const std::optional<QString> suchtext = Dialoge.Eingabe(
      this, QStringLiteral("(Eingabe nicht zwingend erforderlich)"), QStringLiteral("Nach welchem Film suchen Sie?"));
  if (!suchtext) return;
  QString ordner = Umgebung.ProgrammVerzeichnis;
  if (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/'))) ordner.chop(1);
  Umgebung.Shell.Oeffnen(QString::fromStdString(LookupAdresse(NachCp1252(*suchtext))), ordner);
}
