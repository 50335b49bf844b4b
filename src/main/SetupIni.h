#pragma once
// The settings file setup.ini beside the program. It caches nothing: every
// read goes to the file, every write is on disk when the call returns.

#include <QString>

class TSetupIni {
public:
  // The program's folder with its trailing separator, then "/setup.ini".
  explicit TSetupIni(const QString& programmVerzeichnis);

  const QString& Pfad() const { return Datei; }

  // Missing file, section or key: empty text, or false.
  QString LiesText(const char* sektion, const char* schluessel) const;
  bool LiesFlag(const char* sektion, const char* schluessel) const;

  // Throw EFehler "nach <path> kann nicht geschrieben werden" on failure.
  void SchreibeText(const char* sektion, const char* schluessel, const QString& wert);
  void SchreibeFlag(const char* sektion, const char* schluessel, bool wert);

private:
  QString Datei;
};

// The folder part of a file path: everything up to and including the last
// separator.
QString Verzeichnisteil(const QString& pfad);
