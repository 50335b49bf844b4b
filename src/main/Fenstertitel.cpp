#include "main/Fenstertitel.h"

#include "widgets/Dateinamen.h"

#include <QDir>
#include <QFileInfo>

QString TitleNoFile() { return QStringLiteral(" Scheibwart  [ v 1.0 ]"); }

QString TitleWithFile(const QString& pfad) {
  const QString vollerPfad = DateinameAnzeige(QDir::cleanPath(QFileInfo(pfad).absoluteFilePath()));
  return TitleNoFile() + QStringLiteral("  ( ") + vollerPfad + QStringLiteral(" )");
}
