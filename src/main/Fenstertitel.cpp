#include "main/Fenstertitel.h"

#include <QDir>
#include <QFileInfo>

QString TitleNoFile() { return QStringLiteral(" Scheibwart  [ v 1.0 ]"); }

QString TitleWithFile(const QString& pfad) {
  const QString vollerPfad = QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
  return TitleNoFile() + QStringLiteral("  ( ") + vollerPfad + QStringLiteral(" )");
}
