#include "main/Fenstertitel.h"

QString TitleNoFile() { return QStringLiteral(" Scheibwart  [ v 1.0 ]"); }

QString TitleWithFile(const QString& pfad) {
  return TitleNoFile() + QStringLiteral("  ( ") + pfad + QStringLiteral(" )");
}
