#include "windows/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

void TXdgShell::Oeffnen(const QString& item, const QString& verzeichnis) {
  // xdg-open takes a name that begins with "-" for an option and one with a
  // colon for an address; a file of the folder is named as "./" and its name.
  const bool datei = !verzeichnis.isEmpty() && !item.contains(QLatin1Char('/')) &&
                     QFileInfo::exists(QDir(verzeichnis).filePath(item));
  QProcess::startDetached(QStringLiteral("xdg-open"), {datei ? QStringLiteral("./") + item : item}, verzeichnis);
}
