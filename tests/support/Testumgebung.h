#pragma once
// Everything a window test hands the program instead of the real desktop:
// scripted dialogs, recording shell, clipboard and automation runtime, and a
// program folder of its own (where setup.ini goes).

#include "export/AufzeichnendeAutomation.h"
#include "widgets/Umgebung.h"
#include "support/ScriptedDialoge.h"
#include "windows/Shell.h"
#include "windows/Zwischenablage.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTemporaryDir>

class TAufzeichnendeShell final : public TShell {
public:
  QList<QPair<QString, QString>> Aufrufe;  // item, folder
  void Oeffnen(const QString& item, const QString& verzeichnis) override {
    Aufrufe << qMakePair(item, verzeichnis);
  }
};

class TAufzeichnendeZwischenablage final : public TZwischenablage {
public:
  QStringList Texte;
  void SetzeText(const QString& text) override { Texte << text; }
};

struct TTestumgebung {
  TScriptedDialoge Dialoge;
  TAufzeichnendeShell Shell;
  TAufzeichnendeZwischenablage Zwischenablage;
  TAufzeichnendeAutomation Automation;
  QTemporaryDir Programmordner;
  // The state folder's base, where killed saves leave their copies.
  QTemporaryDir Zustand;

  TTestumgebung() { qputenv("XDG_STATE_HOME", QFile::encodeName(Zustand.path())); }

  TUmgebung Umgebung(const QStringList& argumente = {}) {
    return {Dialoge, Shell, Zwischenablage, Automation, argumente, Programmordner.path() + QLatin1Char('/')};
  }
  QString SetupPfad() const { return Programmordner.path() + QStringLiteral("//setup.ini"); }
};
