#include "main/FFOptionen.h"

#include "main/Hauptformular.h"
#include "widgets/Aussehen.h"
#include "widgets/Bauteile.h"
#include "widgets/Befehlsschutz.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

using namespace Bauteile;

namespace {

QCheckBox* Haken(QWidget* eltern, const char* name, const QString& text, int links, int oben,
                 int breite) {
  auto* haken = Bauteile::Erzeuge<QCheckBox>(eltern, name, links, oben, breite, 17);
  haken->setText(text);
  Bauteile::SetzeBreite(haken, breite);
  haken->setChecked(true);
  Aussehen::Handzeiger(haken);
  return haken;
}

}  // namespace

TFOptionen::TFOptionen(TFHaupt& haupt, TDialoge& dialoge)
    : TNebenfenster(&haupt, QStringLiteral("Optionen"), 345, 316, false),
      Haupt(haupt),
      Dialoge(dialoge) {
  setObjectName(QStringLiteral("FOptionen"));
  GroupBox2 = Gruppe(this, "GroupBox2", QStringLiteral(" Standard-Verzeichnisse.. "), 16, 16, 313, 137);
  Label2 = Beschriftung(GroupBox2, QStringLiteral("..für Datei laden:"), 40, 32, Aussehen::SansSerif(), "Label2");
  SpeedButton2 = Bildknopf(GroupBox2, "SpeedButton2", style()->standardIcon(QStyle::SP_FileIcon), 176, 28,
                           105, 22);
  NenneZweck(SpeedButton2, QStringLiteral("Standard-Verzeichnis zum Laden wählen"));
  Label3 = Beschriftung(GroupBox2, QStringLiteral("..für Datei speichern:"), 40, 64, Aussehen::SansSerif(),
                        "Label3");
  SpeedButton3 = Bildknopf(GroupBox2, "SpeedButton3", style()->standardIcon(QStyle::SP_DialogSaveButton),
                           176, 60, 105, 22);
  NenneZweck(SpeedButton3, QStringLiteral("Standard-Verzeichnis zum Speichern wählen"));
  CBmerken = Haken(GroupBox2, "CBmerken", QStringLiteral("Verzeichnisse merken ?"), 24, 96, 169);
  GroupBox1 = Gruppe(this, "GroupBox1", QStringLiteral(" Automatisches Laden von Dateien : "), 16, 176,
                     313, 89);
  CBload = Haken(GroupBox1, "CBload",
                 QStringLiteral("zuletzt gespeicherte Datei beim Programmstart laden"), 24, 40, 265);
  SpeedButton4 = SchliessenKnopf("SpeedButton4", 16, 280, 313, 24);
  // The folder buttons come after their box's check box in the Tab order.
  setTabOrder(CBmerken, SpeedButton2);
  setTabOrder(SpeedButton2, SpeedButton3);

  connect(SpeedButton2, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFOptionen::SpeedButton2Click));
  connect(SpeedButton3, &QToolButton::clicked, this, Geschuetzt(Dialoge, this, &TFOptionen::SpeedButton3Click));
  connect(SpeedButton4, &QPushButton::clicked, this, Geschuetzt(Dialoge, this, &TFOptionen::SpeedButton4Click));
  // clicked, unlike toggled, comes only from the user; Setze runs the
  // handlers for the program's own changes.
  connect(CBmerken, &QCheckBox::clicked, this, Geschuetzt(Dialoge, this, &TFOptionen::CBmerkenClick));
  connect(CBload, &QCheckBox::clicked, this, Geschuetzt(Dialoge, this, &TFOptionen::CBloadClick));
}

void TFOptionen::Setze(QCheckBox* haken, bool an) {
  if (haken->isChecked() == an) return;
  haken->setChecked(an);
  if (haken == CBmerken)
    CBmerkenClick();
  else
    CBloadClick();
}

void TFOptionen::SpeedButton2Click() {
  if (Haupt.OpenDialog.Execute())
    Haupt.SetupIni->SchreibeText("Optionen", "openfilepath", Verzeichnisteil(Haupt.OpenDialog.FileName));
}

void TFOptionen::SpeedButton3Click() {
  if (Haupt.SaveDialog.Execute())
    Haupt.SetupIni->SchreibeText("Optionen", "savefilepath", Verzeichnisteil(Haupt.SaveDialog.FileName));
}

void TFOptionen::CBmerkenClick() {
  Haupt.SetupIni->SchreibeFlag("Optionen", "filepathmerken", CBmerken->isChecked());
}

void TFOptionen::CBloadClick() {
  Haupt.SetupIni->SchreibeFlag("Datei", "letztedateiladen", CBload->isChecked());
}

void TFOptionen::SpeedButton4Click() { close(); }
