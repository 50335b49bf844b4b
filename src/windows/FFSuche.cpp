#include "windows/FFSuche.h"

#include "export/UTabelle.h"
#include "widgets/Anwendungstitel.h"
#include "widgets/Bauteile.h"
#include "widgets/Befehlsschutz.h"
#include "widgets/Cp1252.h"
#include "widgets/Cp1252Eingabe.h"
#include "widgets/Dialoge.h"
#include "widgets/Zugangsnamen.h"
#include "windows/Tabellenraster.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace Bauteile;

namespace {

QRadioButton* Wahl(QWidget* eltern, const char* name, const QString& text, int links, int oben,
                   int breite, bool gewaehlt = false) {
  auto* wahl = Erzeuge<QRadioButton>(eltern, name, links, oben, breite, 17);
  wahl->setText(text);
  SetzeBreite(wahl, breite);
  wahl->setChecked(gewaehlt);
  Aussehen::Handzeiger(wahl);
  return wahl;
}

std::vector<int> Spaltenbreiten(TSammlungsart art) {
  if (art == TSammlungsart::Filme) return {28, 285, 43, 110, 120, 220};
  return {28, 328, 50, 180, 220};
}

// The header row and one data row, all blank, in the columns of tabelle.
TTabelle Geleert(const TRaster& tabelle) {
  const std::vector<std::string> leer(static_cast<std::size_t>(tabelle.SpaltenZahl()));
  return {tabelle.SpaltenZahl(), tabelle.Spaltenbreiten(), {leer, leer}};
}

}  // namespace

TFSuche::TFSuche(QWidget* hauptfenster, const TDatBas& datBas, TDialoge& dialoge)
    : TNebenfenster(hauptfenster, QStringLiteral("Scheibwart - Suche"), 907, 673, true,
                    TPlatz::EigeneRegel),
      DatBas(datBas),
      Dialoge(dialoge) {
  setObjectName(QStringLiteral("FSuche"));
  GroupBox3 = Gruppe(this, "GroupBox3", QStringLiteral(" 1. Was suchen Sie ? "), 16, 24, 161, 105);
  RBWoFilm = Wahl(GroupBox3, "RBWoFilm", QStringLiteral("Film"), 24, 32, 49, true);
  RBWoSpiel = Wahl(GroupBox3, "RBWoSpiel", QStringLiteral("Spiel"), 24, 64, 57);
  GroupBox1 = Gruppe(this, "GroupBox1", QStringLiteral(" 2. Wonach suchen Sie ? "), 208, 24, 273, 105);
  RBName = Wahl(GroupBox1, "RBName", QStringLiteral("Film- / Spielname"), 24, 32, 105, true);
  RBFormat = Wahl(GroupBox1, "RBFormat", QStringLiteral("CD Format"), 24, 64, 73);
  RBGenre = Wahl(GroupBox1, "RBGenre", QStringLiteral("Genre"), 160, 32, 57);
  RBKomment = Wahl(GroupBox1, "RBKomment", QStringLiteral("Kommentar"), 160, 64, 81);
  GroupBox2 = Gruppe(this, "GroupBox2", QStringLiteral(" 3. Suchtext "), 512, 24, 313, 105);
  ESuchtext = Erzeuge<QLineEdit>(GroupBox2, "ESuchtext", 24, 64, 265, 21);
  Label1 = Feldbeschriftung(ESuchtext,
                            QStringLiteral("Bitte geben Sie hier den Text ein, nach dem Sie suchen:"), 24,
                            32, Aussehen::SansSerif(), "Label1");
  QPalette farben = ESuchtext->palette();
  farben.setColor(QPalette::Text, QColor(48, 84, 143));
  ESuchtext->setPalette(farben);
  NurCp1252(ESuchtext);
  SBSuchestarten = Knopf(this, "SBSuchestarten", QStringLiteral("go"), 848, 32, 35, 97);
  GroupBox4 = Gruppe(this, "GroupBox4", QStringLiteral(" Ergebnis : "), 16, 152, 870, 465);
  SGTab = new TTabellenraster(GroupBox4, "SGTab", 16, 24, 833, 425);
  Zugangsnamen::BenenneFlaeche(SGTab, Gruppenname(GroupBox4));
  SGTab->Zeige(Geleert(TTabelle{5, {}, {}}));
  SpeedButton1 = SchliessenKnopf("SpeedButton1", 16, 636, 873, 24, false);

  // The Enter key in the search field starts nothing: no button here is a
  // default button, and returnPressed is left unconnected.
  connect(SBSuchestarten, &QToolButton::clicked, this,
          Geschuetzt(Dialoge, this, &TFSuche::SBSuchestartenClick));
  connect(SpeedButton1, &QPushButton::clicked, this, Geschuetzt(Dialoge, this, &TFSuche::SpeedButton1Click));
}

void TFSuche::showEvent(QShowEvent* ereignis) {
  TNebenfenster::showEvent(ereignis);
  FormShow();
}

void TFSuche::FormShow() {
  SGTab->Zeige(Geleert(SGTab->Tabelle()));
  GroupBox4->setTitle(QStringLiteral(" Ergebnis : "));
  AufHauptfensterEcke();
}

void TFSuche::SBSuchestartenClick() {
  FormShow();
  if (ESuchtext->text().isEmpty()) {
    Dialoge.Meldung(this, QStringLiteral("Fehler"), QStringLiteral("Bitte geben Sie einen Suchtext ein!"),
                    TKnoepfe::Ok, TSymbol::Keins);
    ESuchtext->setFocus();
    return;
  }
  Suche(RBWoFilm->isChecked() ? TSammlungsart::Filme : TSammlungsart::Spiele);
}

void TFSuche::Suche(TSammlungsart art) {
  const bool filme = art == TSammlungsart::Filme;
  const auto fehler = [this](const QString& titel, const QString& text) {
    Dialoge.Meldung(this, titel, text, TKnoepfe::Ok, TSymbol::Keins);
  };
  // Games have no CD format; that is refused before anything else is looked at.
  if (!filme && RBFormat->isChecked()) {
    fehler(QStringLiteral("Fehler:"),
           QStringLiteral("Die Suche nach einem CD-Format ist bei Spielen nicht möglich"));
    return;
  }
  if ((filme ? DatBas.FilmCount() : DatBas.SpielCount()) < 1) {
    fehler(QStringLiteral("Fehler:"),
           QStringLiteral("Die Suche ist aus folgendem Grund fehlgeschlagen :\nEs sind keine %1 in Ihrer "
                          "CD-Sammlung vorhanden.")
               .arg(filme ? QStringLiteral("Filme") : QStringLiteral("Spiele")));
    return;
  }

  const std::vector<int> positionen =
      Treffer(DatBas, art, GewaehltesFeld(), NachCp1252(ESuchtext->text()));
  TSammlungstabelle ergebnis(DatBas, art, positionen, Spaltenbreiten(art));
  if (positionen.empty()) {
    // The headings above one blank row.
    SGTab->Zeige(TTabelle(ergebnis.SpaltenZahl(), ergebnis.Spaltenbreiten(),
                          {ergebnis.Zeile(0), std::vector<std::string>(static_cast<std::size_t>(ergebnis.SpaltenZahl()))}));
    fehler(QStringLiteral("Suche fehlgeschlagen:"),
           QStringLiteral("Es wurden leider keine Übereinstimmungen gefunden"));
    return;
  }
  SGTab->Zeige(std::move(ergebnis));

  const QString anzahl = QString::number(positionen.size());
  const QString bezeichnung = filme ? QStringLiteral("Film(e)") : QStringLiteral("Spiel(e)");
  GroupBox4->setTitle(QStringLiteral(" Ergebnis (%1 %2) :").arg(anzahl, bezeichnung));
  // Without an owner the box stands in the middle of the screen.
  Dialoge.Meldung(nullptr, QString::fromUtf8(AnwendungsTitel),
                  QStringLiteral("Es wurde(n) %1 %2 gefunden.").arg(anzahl, bezeichnung), TKnoepfe::Ok,
                  TSymbol::Keins);
  SGTab->setFocus();
}

TSuchfeld TFSuche::GewaehltesFeld() const {
  if (RBFormat->isChecked()) return TSuchfeld::Format;
  if (RBGenre->isChecked()) return TSuchfeld::Genre;
  if (RBKomment->isChecked()) return TSuchfeld::Kommentar;
  return TSuchfeld::Name;
}

void TFSuche::SpeedButton1Click() { close(); }
