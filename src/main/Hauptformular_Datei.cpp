// The collection file commands of the main window: Save, Open, and reading a
// file into the store and the five list boxes.

#include "main/Hauptformular.h"

#include "main/Fenstertitel.h"
#include "main/Sammlungszeilen.h"
#include "widgets/Anwendungstitel.h"
#include "widgets/Cp1252.h"
#include "widgets/Dateinamen.h"
#include "widgets/Dialoge.h"
#include "platform/Fehler.h"
#include "widgets/ListBox.h"
#include "widgets/Wartezeiger.h"

#include <QToolButton>

namespace {

// The settings remember a file only after it was written or read, so that a
// setup.ini that cannot be written never keeps the user from the collection.
void MerkeDatei(TSetupIni& setupIni, const char* ordnerSchluessel, const QString& pfad) {
  setupIni.SchreibeText("Datei", "letzteDatei", pfad);
  setupIni.SchreibeText("Optionen", ordnerSchluessel, Verzeichnisteil(pfad));
}

void Fuelle(TListBox* liste, const std::vector<std::string>& eintraege) {
  QStringList zeilen;
  zeilen.reserve(static_cast<qsizetype>(eintraege.size()));
  for (const std::string& eintrag : eintraege) zeilen << VonCp1252(eintrag);
  liste->Add(zeilen);
}

// Films and games go straight into the store; the entries of the three text
// lists are gathered for their list boxes.
class TLadeZiel final : public TSammlungsZiel {
public:
  explicit TLadeZiel(TDatBas& datBas) : DatBas(datBas) {}
  void Film(TFilmRec&& film) override { DatBas.AddFilm(std::move(film)); }
  void Spiel(TSpielRec&& spiel) override { DatBas.AddSpiel(std::move(spiel)); }
  void Verleih(std::string&& eintrag) override { Listen.Verleih.push_back(std::move(eintrag)); }
  void FilmWunsch(std::string&& eintrag) override { Listen.FilmWuensche.push_back(std::move(eintrag)); }
  void SpielWunsch(std::string&& eintrag) override { Listen.SpielWuensche.push_back(std::move(eintrag)); }

  TNotizlisten Listen;

private:
  TDatBas& DatBas;
};

}  // namespace

std::vector<std::string> TFHaupt::Eintraege(const TListBox* liste) {
  std::vector<std::string> eintraege;
  eintraege.reserve(static_cast<std::size_t>(liste->Count()));
  for (int i = 0; i < liste->Count(); ++i) eintraege.push_back(NachCp1252(liste->Item(i)));
  return eintraege;
}

TFHaupt::TSpeicherErgebnis TFHaupt::Speichern() {
  if (!SaveDialog.Execute()) return TSpeicherErgebnis::Abgebrochen;
  const QString pfad = SaveDialog.FileName;

  const std::vector<std::string> verleih = Eintraege(LBVerleih), filmWuensche = Eintraege(LBFilmeW),
                                 spielWuensche = Eintraege(LBSpieleW);
  const TSammlungsSicht sammlung(DatBas->Filme(), DatBas->Spiele(), verleih, filmWuensche, spielWuensche);
  if (sammlung.Leer()) {
    Dialoge.Meldung(this, QStringLiteral("Fehler:"),
                    QStringLiteral("Speichern ist fehlgeschlagen!\nEs sind keine Daten eingetragen!"),
                    TKnoepfe::Ok, TSymbol::Ausrufezeichen);
    Befehl([&] { MerkeDatei(*SetupIni, "savefilepath", pfad); });
    return TSpeicherErgebnis::NichtsZuSpeichern;
  }

  // Another program's save since this one read or wrote the file is not
  // replaced unasked.
  const std::string datei = DateinameBytes(pfad);
  if (GemerkteDatei.FremdGeaendert(datei) &&
      Dialoge.Meldung(this, QStringLiteral("Datei wurde inzwischen geändert"),
                      QStringLiteral("Die Datei »%1« wurde seit dem Laden oder Speichern von einem "
                                     "anderen Programm geändert.\nWollen Sie sie trotzdem überschreiben ?")
                          .arg(PfadImTitel(pfad)),
                      TKnoepfe::JaNein, TSymbol::Keins) != TAntwort::Ja)
    return TSpeicherErgebnis::Abgebrochen;

  // Throws before the title changes when the file cannot be written.
  std::optional<std::string> hinweis;
  {
    const TWartezeiger warten;
    hinweis = SchreibeSammlung(datei, sammlung);
  }
  if (const std::optional<TDateistand> stand = TDateistand::VonPfad(datei))
    GemerkteDatei.Merke(datei, *stand);
  else
    GemerkteDatei.Vergiss();
  setWindowTitle(TitleWithFile(pfad));
  Modified = false;
  BeendeJournal();
  ZeigeSpeicherhinweis(hinweis);
  Befehl([&] { MerkeDatei(*SetupIni, "savefilepath", pfad); });
  return TSpeicherErgebnis::Geschrieben;
}

void TFHaupt::ZeigeSpeicherhinweis(const std::optional<std::string>& hinweis) {
  if (hinweis)
    Dialoge.Meldung(this, QString::fromUtf8(AnwendungsTitel), QString::fromStdString(*hinweis), TKnoepfe::Ok,
                    TSymbol::Ausrufezeichen);
}

void TFHaupt::MainSaveClick() { Speichern(); }
void TFHaupt::SBFileSaveClick() { MainSaveClick(); }

void TFHaupt::MainLoadClick() {
  if (!VorherSpeichern(TFrage::VorherSpeichern)) return;
  if (OpenDialog.Execute()) {
    if (!Neu()) return;
    const QString pfad = OpenDialog.FileName;
    // A name that does not exist leaves the collection empty, as New left it.
    // A load that fails part-way shows its failure before the statistics
    // count what it read.
    if (IstDatei(pfad)) Befehl([&] { LoadCollection(pfad); });
    Befehl([&] { MerkeDatei(*SetupIni, "openfilepath", pfad); });
  }
  SBStatistikClick();
}

void TFHaupt::SBFileLoadClick() { MainLoadClick(); }

void TFHaupt::LoadCollection(const QString& pfad) {
  if (const std::string fehler = LadeSammlung(pfad, {}); !fehler.empty()) throw EFehler(fehler);
}

std::string TFHaupt::LadeSammlung(const QString& pfad, const std::vector<std::vector<std::uint8_t>>& nachspielen) {
  // The failure below ends the scope, and the wait, before its box is shown.
  const TWartezeiger warten;
  TLadeZiel inhalt(*DatBas);
  std::string fehler;
  if (!pfad.isEmpty()) {
    const std::string datei = DateinameBytes(pfad);
    TSammlungsLeser leser(datei);
    // Also a load that fails part-way remembers the file it read.
    GemerkteDatei.Merke(datei, leser.Stand());
    setWindowTitle(TitleWithFile(pfad));
    fehler = leser.LiesAlles(inhalt);
  }
  try {
    for (const std::vector<std::uint8_t>& eintrag : nachspielen) SpieleNach(eintrag, *DatBas, inhalt.Listen);
  } catch (const EFehler&) {
    // Half a journal would be a collection nobody made.
    DatBas->ClearFilme();
    DatBas->ClearSpiele();
    GemerkteDatei.Vergiss();
    setWindowTitle(TitleNoFile());
    throw;
  }

  // What was read before a failure is kept, and the list boxes agree with it.
  Fuelle(LBVerleih, inhalt.Listen.Verleih);
  Fuelle(LBFilmeW, inhalt.Listen.FilmWuensche);
  Fuelle(LBSpieleW, inhalt.Listen.SpielWuensche);

  FilmZeilen->Neuaufbau();
  SpielZeilen->Neuaufbau();

  for (const TPanel& panel : {FilmPanel(), SpielPanel()}) {
    if (panel.Liste->Count() == 0) continue;
    panel.Liste->SetItemIndex(0);
    Freigeben(panel, true);
    (this->*panel.Click)();
  }
  const std::pair<TListBox*, QToolButton*> listen[] = {
      {LBVerleih, SBVerleihdel}, {LBFilmeW, SBFilmWdel}, {LBSpieleW, SBSpielWdel}};
  for (const auto& [liste, loeschen] : listen) {
    if (liste->Count() == 0) continue;
    liste->SetItemIndex(0);
    loeschen->setEnabled(true);
  }

  return fehler;
}
