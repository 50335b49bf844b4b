// The status bar explains the main window's buttons: moving the pointer over
// a button shows its hint, over the bare background of the window or of a
// group box the hint disappears. Nothing else shows tooltips. Screen readers
// speak the hints as the buttons' names or descriptions.

#include "main/Hauptformular.h"

#include "export/Programmangaben.h"
#include "widgets/Bauteile.h"

#include <QEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolButton>

namespace {

// Sets the status bar's text when the pointer moves over a watched control.
class THinweisFilter final : public QObject {
public:
  THinweisFilter(QStatusBar* leiste, QObject* eltern) : QObject(eltern), Leiste(leiste) {}

  void Beobachte(QWidget* widget, const QString& text) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    Texte.insert(widget, text);
  }

protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() != QEvent::MouseMove) return false;
    auto* widget = static_cast<QWidget*>(objekt);
    // A disabled button is like the bare group box behind it.
    const QString text = widget->isEnabled() ? Texte.value(widget) : QString();
    if (Leiste->currentMessage() != text) Leiste->showMessage(text);
    // A button ignores a mere movement, which would travel on to the group
    // box behind it and empty the status bar again: end it here.
    return static_cast<QMouseEvent*>(ereignis)->buttons() == Qt::NoButton;
  }

private:
  QStatusBar* Leiste;
  QHash<QWidget*, QString> Texte;
};

}  // namespace

void TFHaupt::BaueHinweise() {
  auto* filter = new THinweisFilter(StatusBar, this);
  const QString eintragNeu = QStringLiteral("fügt einen neuen Eintrag hinzu");
  const QString eintragWeg = QStringLiteral("löscht den markierten Eintrag");
  const std::pair<QToolButton*, QString> hinweise[] = {
      {SBFileNew, QStringLiteral("legt eine neue Datei an")},
      {SBFileLoad, QStringLiteral("lädt eine Datei")},
      {SBFileSave, QStringLiteral("speichert die aktuellen Daten")},
      {SBOptionen, QStringLiteral("öffnet die Optionen")},
      {SBInfo, QStringLiteral("zeigt Informationen über das Programm an")},
      {SpeedButtonkino, QStringLiteral("Sie brauchen Infos über einen Film? Folgen Sie diesem Link auf: ") +
                            QString::fromUtf8(Programmangaben::FilmSeite)},
      {ToolButtonFilmeSpieleWausblenden, QStringLiteral("zeigt bzw. verbirgt Wunschlisten für Filme & Spiele")},
      {ToolButtonVerleihListe, QStringLiteral("zeigt bzw. verbirgt Verleih-Liste + Statistik")},
      {SBFilmadd, QStringLiteral("Fügt einen Film hinzu")},
      {SBFilmchange, QStringLiteral("übernimmt aktuelle Änderungen an einem bereits eingetragenen Film")},
      {SBFilmdel, QStringLiteral("löscht den markierten Film")},
      {SBFilmup, QStringLiteral("verschiebt den markierten Film in der Liste nach oben")},
      {SBFilmdown, QStringLiteral("verschiebt den markierten Film in der Liste nach unten")},
      {SBFilmVerleih, QStringLiteral("markierten Film zur Ausleih-Liste hinzufügen")},
      {SBSpieladd, QStringLiteral("Fügt ein Spiel hinzu")},
      {SBSpielchange, QStringLiteral("übernimmt aktuelle Änderungen an einem bereits eingetragenen Spiel")},
      {SBSpieldel, QStringLiteral("löscht das markierte Spiel")},
      {SBSpielup, QStringLiteral("verschiebt das markierte Spiel in der Liste nach oben")},
      {SBSpieldown, QStringLiteral("verschiebt das markierte Spiel in der Liste nach unten")},
      {SBSpielVerleih, QStringLiteral("markiertes Spiel zur Ausleih-Liste hinzufügen")},
      {SBFilmWadd, eintragNeu},
      {SBSpielWadd, eintragNeu},
      {SBVerleihadd, eintragNeu},
      {SBFilmWdel, eintragWeg},
      {SBSpielWdel, eintragWeg},
      {SBVerleihdel, eintragWeg},
      {SpeedButton1, QStringLiteral("Kopiert die Statistik in die Zwischenablage")},
  };
  for (const auto& [knopf, text] : hinweise) {
    filter->Beobachte(knopf, text);
    Bauteile::NenneZweck(knopf, text);
  }

  // The bare background of the window and of every group box clears it.
  for (QWidget* flaeche : {centralWidget(), static_cast<QWidget*>(GBFilme), static_cast<QWidget*>(GroupBox1),
                           static_cast<QWidget*>(GroupBox2), static_cast<QWidget*>(GroupBox3),
                           static_cast<QWidget*>(GBVerleih), static_cast<QWidget*>(GBStatistik)})
    filter->Beobachte(flaeche, QString());
}
