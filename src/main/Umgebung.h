#pragma once
// What the program is given from outside: the seam for its dialogs, the
// desktop services, its command line and its own folder.

#include <QString>
#include <QStringList>

class TDialoge;
class TShell;
class TZwischenablage;

struct TUmgebung {
  TDialoge& Dialoge;
  TShell& Shell;
  TZwischenablage& Zwischenablage;
  QStringList Argumente;        // the command line without the program name
  QString ProgrammVerzeichnis;  // the program file's folder, with its trailing separator
};
