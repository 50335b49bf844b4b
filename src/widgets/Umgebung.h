#pragma once
// What the program is given from outside: the seam for its dialogs, the
// desktop services, the automation runtime that drives the spreadsheet
// application, its command line and its own folder.

#include <QString>
#include <QStringList>

class TAutomation;
class TDialoge;
class TShell;
class TZwischenablage;

struct TUmgebung {
  TDialoge& Dialoge;
  TShell& Shell;
  TZwischenablage& Zwischenablage;
  TAutomation& Automation;
  QStringList Argumente;        // the command line without the program name
  QString ProgrammVerzeichnis;  // the program file's folder, with its trailing separator
};
