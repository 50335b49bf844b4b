// Scheibwart: a catalogue of films and computer games on CDs.

#include "main/Programm.h"
#include "widgets/Anwendungstitel.h"
#include "office/LibreOfficeAutomation.h"
#include "platform/Journaldatei.h"
#include "widgets/Dateinamen.h"
#include "widgets/QtDialoge.h"
#include "windows/Shell.h"
#include "windows/Zwischenablage.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The icon of every window, in every size the program's icon is drawn in (16
// to 256 pixels): the window system takes only the sizes an icon names, and
// the icon theme's lookup answers a size with the nearest it finds (22 for 24).
// The desktop shows the theme's icon through the desktop entry.
QIcon Programmsymbol() {
  QIcon symbol;
  for (QDirIterator png(QStringLiteral(":/programmsymbol"), QDir::Files, QDirIterator::Subdirectories);
       png.hasNext();)
    symbol.addFile(png.next());
  return symbol;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SichereJournalBeiEndesignal();
  QApplication::setApplicationName(QString::fromUtf8(AnwendungsTitel));
  QApplication::setDesktopFileName(QStringLiteral(SCHEIBWART_KENNUNG));
  QApplication::setWindowIcon(Programmsymbol());

  // The program speaks German whatever the desktop's language: Qt's own
  // buttons and file dialogs too.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtTexte;
  if (qtTexte.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexte);

  // The arguments from their bytes, which Qt has left after taking its own
  // options: a file name that is not UTF-8 must still name its file.
  QStringList argumente;
  for (int i = 1; i < argc; ++i) argumente << DateinameText(argv[i]);

  TQtDialoge dialoge;
  TXdgShell shell;
  TQtZwischenablage zwischenablage;
  TLibreOfficeAutomation automation;
  TProgramm programm(TUmgebung{dialoge, shell, zwischenablage, automation, argumente,
                               QApplication::applicationDirPath() + QLatin1Char('/')});
  programm.Start();
  return QApplication::exec();
}
