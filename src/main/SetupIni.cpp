#include "main/SetupIni.h"

#include "office/LibreOfficeAutomation.h"
#include "platform/Inidatei.h"
#include "widgets/Dateinamen.h"

#include <QDir>

#include <unistd.h>

TSetupIni::TSetupIni(const QString& verzeichnis)
    : Verzeichnis(verzeichnis),
      Datei(verzeichnis.endsWith(QLatin1Char('/')) ? verzeichnis + QStringLiteral("setup.ini")
                                                   : verzeichnis + QStringLiteral("/setup.ini")) {}

QString TSetupIni::LiesText(const char* sektion, const char* schluessel) const {
  return DateinameText(IniLiesText(DateinameBytes(Datei), sektion, schluessel, {}));
}

bool TSetupIni::LiesFlag(const char* sektion, const char* schluessel) const {
  return IniLiesFlag(DateinameBytes(Datei), sektion, schluessel, false);
}

void TSetupIni::SchreibeText(const char* sektion, const char* schluessel, const QString& wert) {
  QDir().mkpath(Verzeichnis);  // a folder that cannot be made fails the write
  IniSchreibeText(DateinameBytes(Datei), sektion, schluessel, DateinameBytes(wert));
}

void TSetupIni::SchreibeFlag(const char* sektion, const char* schluessel, bool wert) {
  QDir().mkpath(Verzeichnis);
  IniSchreibeFlag(DateinameBytes(Datei), sektion, schluessel, wert);
}

QString Verzeichnisteil(const QString& pfad) {
  return pfad.left(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}

QString SetupIniVerzeichnis(const QString& programmVerzeichnis) {
  // An installed program never writes its own folder, also where it could (as root).
  const std::string programm = DateinameBytes(programmVerzeichnis);
  if (!TLibreOfficeAutomation::Installiert(programm) && access(programm.c_str(), W_OK) == 0)
    return programmVerzeichnis;
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  QString konfiguration = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!QDir::isAbsolutePath(konfiguration)) konfiguration = QDir::homePath() + QStringLiteral("/.config");
  return QDir::cleanPath(konfiguration) + QStringLiteral("/scheibwart/");
}
