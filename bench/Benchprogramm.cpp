#include "Benchprogramm.h"

#include "widgets/ListBox.h"
#include "windows/FFUebersicht.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

QString Pfad(const std::string& pfad) { return QFile::decodeName(QByteArray::fromStdString(pfad)); }

}  // namespace

TLaufendesProgramm::TLaufendesProgramm(const std::string& sammlung,
                                       const std::function<void(TTestumgebung&)>& vorDemStart)
    : Programm(std::make_unique<TProgramm>(Umwelt.Umgebung({Pfad(sammlung)}))) {
  if (vorDemStart) vorDemStart(Umwelt);
  Programm->Start();
  if (!QTest::qWaitForWindowExposed(&Haupt())) throw std::runtime_error("Hauptfenster nicht gezeigt");
  // The first painting of what was loaded.
  QCoreApplication::processEvents();
}

void TLaufendesProgramm::Waehle(TListBox* liste, int zeile) {
  liste->SetItemIndex(zeile);
  emit liste->Click();
}

void TLaufendesProgramm::Speichere(const std::string& pfad) {
  Dialoge().Waehle(Pfad(pfad));
  Haupt().MainSave->trigger();
}

void TLaufendesProgramm::Oeffne(const std::string& pfad) {
  Dialoge().Waehle(Pfad(pfad));
  Haupt().MainLoad->trigger();
}

std::string TLaufendesProgramm::Exportiere(const TExport& art, const std::string& ordner) {
  const std::string pfad = ordner + "/" + art.Datei;
  Dialoge().Waehle(Pfad(pfad));
  Dialoge().Frage(TAntwort::Nein);
  (Haupt().*art.Befehl)->trigger();
  return pfad;
}

void TLaufendesProgramm::ZeigeUebersicht(QAction* befehl) {
  TFUebersicht* uebersicht = Fenster().FUebersicht;
  QTimer::singleShot(0, uebersicht, [uebersicht] { uebersicht->close(); });
  befehl->trigger();
}

void TLaufendesProgramm::Beende() {
  Haupt().close();
  Programm.reset();
}

std::string TLaufendesProgramm::Stoerung() const {
  const TScriptedDialoge& dialoge = Umwelt.Dialoge;
  for (const TGezeigteBox& box : dialoge.Boxen)
    if (box.Symbol == TSymbol::Stop) return "Befehl gescheitert: " + box.Text.toStdString();
  if (dialoge.Unerwartet > 0) return std::to_string(dialoge.Unerwartet) + " Box(en) ohne vorbereitete Antwort";
  if (!dialoge.AllesBeantwortet()) return "vorbereitete Antworten blieben ungenutzt";
  return {};
}

std::unique_ptr<QApplication> OffscreenAnwendung(int& argc, char** argv) {
  qunsetenv("QT_QPA_PLATFORMTHEME");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  auto anwendung = std::make_unique<QApplication>(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return anwendung;
}
