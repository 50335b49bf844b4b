#include "main/Fenstertitel.h"

#include "widgets/Dateinamen.h"

#include <QDir>
#include <QFileInfo>

QString TitleNoFile() { return QStringLiteral(" Scheibwart  [ v 1.0 ]"); }

QString TitleWithFile(const QString& pfad) {
  return TitleNoFile() + QStringLiteral("  ( ") + PfadImTitel(pfad) + QStringLiteral(" )");
}

QString PfadImTitel(const QString& pfad) {
  return DateinameAnzeige(QDir::cleanPath(QFileInfo(pfad).absoluteFilePath()));
}
