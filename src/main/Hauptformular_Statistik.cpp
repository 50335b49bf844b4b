// The statistics panel and its copy to the clipboard.

#include "main/Hauptformular.h"

#include "model/UStatistik.h"
#include "widgets/Cp1252.h"
#include "widgets/ListBox.h"
#include "windows/Zwischenablage.h"

#include <QLabel>

namespace {

TListenZahlen Zahlen(const TFHaupt& h) {
  return {h.LBFilme->Count(), h.LBSpiele->Count(), h.LBFilmeW->Count(), h.LBSpieleW->Count(),
          h.LBVerleih->Count()};
}

}  // namespace

void TFHaupt::SBStatistikClick() {
  const TStatistikLabels labels = StatistikLabels(*DatBas, Zahlen(*this));
  LSF->setText(VonCp1252(labels.LSF));
  LSFW->setText(VonCp1252(labels.LSFW));
  LSS->setText(VonCp1252(labels.LSS));
  LSSW->setText(VonCp1252(labels.LSSW));
  LSV->setText(VonCp1252(labels.LSV));
  PasseStatistikBreiten();
}

void TFHaupt::SpeedButton1Click() {
  Umgebung.Zwischenablage.SetzeText(VonCp1252(StatistikText(*DatBas, Zahlen(*this))));
}
