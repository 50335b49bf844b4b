#include "main/SetupIni.h"

#include "platform/Inidatei.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

std::string Bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace

TSetupIni::TSetupIni(const QString& verzeichnis)
    : Verzeichnis(verzeichnis),
      Datei(verzeichnis + (verzeichnis.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) +
            QStringLiteral("setup.ini")) {}

QString TSetupIni::LiesText(const char* sektion, const char* schluessel) const {
  return QFile::decodeName(QByteArray::fromStdString(IniLiesText(Bytes(Datei), sektion, schluessel, {})));
}

bool TSetupIni::LiesFlag(const char* sektion, const char* schluessel) const {
  return IniLiesFlag(Bytes(Datei), sektion, schluessel, false);
}

void TSetupIni::SchreibeText(const char* sektion, const char* schluessel, const QString& wert) {
  QDir().mkpath(Verzeichnis);  // a folder that cannot be made fails the write
  IniSchreibeText(Bytes(Datei), sektion, schluessel, Bytes(wert));
}

void TSetupIni::SchreibeFlag(const char* sektion, const char* schluessel, bool wert) {
  QDir().mkpath(Verzeichnis);
  IniSchreibeFlag(Bytes(Datei), sektion, schluessel, wert);
}

QString Verzeichnisteil(const QString& pfad) {
  return pfad.left(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}

QString SetupIniVerzeichnis(const QString& programmVerzeichnis) {
  if (access(QFile::encodeName(programmVerzeichnis).constData(), W_OK) == 0) return programmVerzeichnis;
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  QString konfiguration = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!QDir::isAbsolutePath(konfiguration)) konfiguration = QDir::homePath() + QStringLiteral("/.config");
  return QDir::cleanPath(konfiguration) + QStringLiteral("/scheibwart/");
}
