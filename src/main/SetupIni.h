#pragma once
// The settings file setup.ini. It caches nothing: every read goes to the
// file, every write is on disk when the call returns.

#include <QString>

class TSetupIni {
public:
  // The file is setup.ini in that folder; the first write creates the
  // folder if it is missing.
  explicit TSetupIni(const QString& verzeichnis);

  const QString& Pfad() const { return Datei; }

  // Missing file, section or key: empty text, or false.
  QString LiesText(const char* sektion, const char* schluessel) const;
  bool LiesFlag(const char* sektion, const char* schluessel) const;

  // Throw EFehler "nach <path> kann nicht geschrieben werden" on failure.
  void SchreibeText(const char* sektion, const char* schluessel, const QString& wert);
  void SchreibeFlag(const char* sektion, const char* schluessel, bool wert);

private:
  QString Verzeichnis, Datei;
};

// Where setup.ini lives: beside the program where its folder can be written
// and the program is not installed (portable use, the build tree), else in
// the user's configuration folder $XDG_CONFIG_HOME/scheibwart/ (default
// ~/.config/scheibwart/). Both with their trailing separator.
QString SetupIniVerzeichnis(const QString& programmVerzeichnis);

// The folder part of a file path: everything up to and including the last
// separator.
QString Verzeichnisteil(const QString& pfad);
