#include "widgets/DateiDialog.h"

#include "widgets/Dialoge.h"

TDateiDialog::TDateiDialog(TArt art, TDialoge& dialoge, QWidget* besitzer)
    : Art(art), Dialoge(dialoge), Besitzer(besitzer) {}

bool TDateiDialog::Execute() {
  const std::optional<QString> wahl = Dialoge.Datei(Besitzer, *this);
  if (!wahl) return false;
  FileName = *wahl;
  return true;
}

QStringList QtNamensfilter(const QString& filter) {
  QStringList ergebnis;
  const QStringList teile = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
    QString muster = teile[i + 1];
    muster.replace(QLatin1Char(';'), QLatin1Char(' '));
    // No blank before the patterns: a desktop's dialog shows all that stands
    // before the first "(" as the description.
    ergebnis << teile[i] + QLatin1Char('(') + muster + QLatin1Char(')');
  }
  return ergebnis;
}
