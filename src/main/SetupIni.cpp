#include "main/SetupIni.h"

#include "platform/Inidatei.h"

#include <QFile>

namespace {

std::string Bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace

TSetupIni::TSetupIni(const QString& programmVerzeichnis)
    : Datei(programmVerzeichnis + QStringLiteral("/setup.ini")) {}

QString TSetupIni::LiesText(const char* sektion, const char* schluessel) const {
  return QFile::decodeName(QByteArray::fromStdString(IniLiesText(Bytes(Datei), sektion, schluessel, {})));
}

bool TSetupIni::LiesFlag(const char* sektion, const char* schluessel) const {
  return IniLiesFlag(Bytes(Datei), sektion, schluessel, false);
}

void TSetupIni::SchreibeText(const char* sektion, const char* schluessel, const QString& wert) {
  IniSchreibeText(Bytes(Datei), sektion, schluessel, Bytes(wert));
}

void TSetupIni::SchreibeFlag(const char* sektion, const char* schluessel, bool wert) {
  IniSchreibeFlag(Bytes(Datei), sektion, schluessel, wert);
}

QString Verzeichnisteil(const QString& pfad) {
  return pfad.left(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}
