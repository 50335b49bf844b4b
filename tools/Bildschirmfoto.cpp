// The picture of the main window that software centres show: the program's
// own windows open a collection file offscreen, and the main window is saved
// as PNG. Run at build time.
//   bildschirmfoto SAMMLUNG.swl BILD.png

#include "main/Programm.h"
#include "office/LibreOfficeAutomation.h"
#include "widgets/Dateinamen.h"
#include "widgets/Dialoge.h"
#include "windows/Shell.h"
#include "windows/Zwischenablage.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A box at the start means the picture would not show the collection as it
// should: every box is answered no, and its text is kept for the failure.
class TDialogeVermerkt final : public TDialoge {
public:
  QStringList Texte;

  TAntwort Meldung(QWidget*, const QString& titel, const QString& text, TKnoepfe knoepfe, TSymbol) override {
    Texte << titel + QStringLiteral(": ") + text;
    return knoepfe == TKnoepfe::Ok ? TAntwort::Ok : TAntwort::Nein;
  }
  std::optional<QString> Eingabe(QWidget*, const QString& titel, const QString& prompt) override {
    Texte << titel + QStringLiteral(": ") + prompt;
    return std::nullopt;
  }
  std::optional<QString> Datei(QWidget*, const TDateiDialog&) override {
    Texte << QStringLiteral("Dateiauswahl");
    return std::nullopt;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Aufruf: %s SAMMLUNG.swl BILD.png\n", argv[0]);
    return 2;
  }
  // Never a window on the developer's screen, and no settings, journal or
  // copies of theirs: the program's folder, its state and its runtime folder
  // lie in a fresh folder (0700) that goes afterwards.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir ordner;
  if (!ordner.isValid()) {
    std::fprintf(stderr, "Kein temporärer Ordner: %s\n", qPrintable(ordner.errorString()));
    return 1;
  }
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner.filePath(QStringLiteral("konfiguration"))));
  qputenv("XDG_STATE_HOME", QFile::encodeName(ordner.filePath(QStringLiteral("zustand"))));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ordner.path()));
  QApplication app(argc, argv);

  TDialogeVermerkt dialoge;
  TXdgShell shell;
  TQtZwischenablage zwischenablage;
  TLibreOfficeAutomation automation;
  TProgramm programm(TUmgebung{dialoge, shell, zwischenablage, automation, {DateinameText(argv[1])},
                               ordner.path() + QLatin1Char('/')});
  programm.Start();
  QCoreApplication::processEvents();
  if (!dialoge.Texte.isEmpty()) {
    std::fprintf(stderr, "Beim Start erschien: %s\n", qPrintable(dialoge.Texte.join(QLatin1Char('\n'))));
    return 1;
  }

  const QString bild = DateinameText(argv[2]);
  if (!programm.Haupt().grab().save(bild, "PNG")) {
    std::fprintf(stderr, "%s lässt sich nicht schreiben.\n", argv[2]);
    return 1;
  }
  return 0;
}
