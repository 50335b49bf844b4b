#include "windows/Shell.h"

#include <QProcess>

void TXdgShell::Oeffnen(const QString& item, const QString& verzeichnis) {
  QProcess::startDetached(QStringLiteral("xdg-open"), {item}, verzeichnis);
}
