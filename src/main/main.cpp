// Scheibwart: a catalogue of films and computer games on CDs.

#include "main/Programm.h"
#include "platform/Anwendungstitel.h"
#include "platform/LibreOfficeAutomation.h"
#include "platform/QtDialoge.h"
#include "windows/Shell.h"
#include "windows/Zwischenablage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(AnwendungsTitel));

  // The program speaks German whatever the desktop's language: Qt's own
  // buttons and file dialogs too.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtTexte;
  if (qtTexte.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexte);

  TQtDialoge dialoge;
  TXdgShell shell;
  TQtZwischenablage zwischenablage;
  TLibreOfficeAutomation automation;
  TProgramm programm(TUmgebung{dialoge, shell, zwischenablage, automation, QApplication::arguments().mid(1),
                               QApplication::applicationDirPath() + QLatin1Char('/')});
  programm.Start();
  return QApplication::exec();
}
