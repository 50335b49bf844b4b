// Adding, changing, deleting and moving films and games. The two panels are
// twins: one implementation, told apart by a TSeite that says how a record
// reaches the store and the edits.

#include "main/Hauptformular.h"

#include "main/Sammlungszeilen.h"
#include "model/UZeilentext.h"
#include "widgets/Cp1252.h"
#include "widgets/Dialoge.h"
#include "widgets/ListBox.h"
#include "windows/FFSuche.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <type_traits>

namespace {

std::string Text(const QLineEdit* edit) { return NachCp1252(edit->text()); }
std::string Text(const QComboBox* kombi) { return NachCp1252(kombi->currentText()); }

struct TFilmSeite {
  using TRec = TFilmRec;
  static int Anzahl(const TDatBas& d) { return d.FilmCount(); }
  static void Hole(const TDatBas& d, int i, TRec& rec) { d.GetFilm(i, rec); }
  // Each change of the store goes into the command's journal entry too.
  static void Fuege(TDatBas& d, TJournalEintrag& e, const TRec& rec) {
    d.AddFilm(rec);
    e.FilmNeu(rec);
  }
  static void Setze(TDatBas& d, TJournalEintrag& e, int i, const TRec& rec) {
    d.SetFilm(i, rec);
    e.FilmSetzen(i, rec);
  }
  static void Entferne(TDatBas& d, TJournalEintrag& e, int i) {
    d.DeleteFilm(i);
    e.FilmLoeschen(i);
  }

  // Each field is cut to its 255 characters by the record itself.
  static TRec AusEdits(const TFHaupt& h) {
    return {Text(h.EFFilm), Text(h.EFCDAnzahl), Text(h.EFCDFormat), Text(h.EFGenre),
            Text(h.EFKommentar)};
  }
  // The line the add command appends: from the edits as they stand, uncut.
  static QString NeueZeile(const TFHaupt& h) {
    return VonCp1252(FilmRowText(Text(h.EFFilm), Text(h.EFCDAnzahl), Text(h.EFCDFormat)));
  }

  static inline const QString KeinTitelTitel = QStringLiteral("Fehler:");
  static inline const QString KeinTitelText = QStringLiteral("Bitte geben Sie einen Titel für den Film ein!");
  static inline const QString KeinNameText = QStringLiteral("Kein Filmname vorhanden!");
};

struct TSpielSeite {
  using TRec = TSpielRec;
  static int Anzahl(const TDatBas& d) { return d.SpielCount(); }
  static void Hole(const TDatBas& d, int i, TRec& rec) { d.GetSpiel(i, rec); }
  static void Fuege(TDatBas& d, TJournalEintrag& e, const TRec& rec) {
    d.AddSpiel(rec);
    e.SpielNeu(rec);
  }
  static void Setze(TDatBas& d, TJournalEintrag& e, int i, const TRec& rec) {
    d.SetSpiel(i, rec);
    e.SpielSetzen(i, rec);
  }
  static void Entferne(TDatBas& d, TJournalEintrag& e, int i) {
    d.DeleteSpiel(i);
    e.SpielLoeschen(i);
  }

  static TRec AusEdits(const TFHaupt& h) {
    return {Text(h.ESSpiel), Text(h.ESCDAnzahl), Text(h.ESGenre), Text(h.ESKommentar)};
  }
  static QString NeueZeile(const TFHaupt& h) {
    return VonCp1252(SpielRowText(Text(h.ESSpiel), Text(h.ESGenre)));
  }

  static inline const QString KeinTitelTitel = QStringLiteral("Fehler: Kein Spiele-Titel vorhanden!");
  static inline const QString KeinTitelText = QStringLiteral("Bitte geben Sie einen Titel für das Spiel ein!");
  static inline const QString KeinNameText = QStringLiteral("Kein Spielname vorhanden!");
};

}  // namespace

template <class TSeite>
void TFHaupt::Hinzufuegen() {
  const TPanel panel = std::is_same_v<TSeite, TFilmSeite> ? FilmPanel() : SpielPanel();
  if (panel.Name->text().isEmpty()) {
    Dialoge.Meldung(this, TSeite::KeinTitelTitel, TSeite::KeinTitelText, TKnoepfe::Ok, TSymbol::Keins);
    panel.Name->setFocus();
  } else {
    TJournalEintrag eintrag;
    TSeite::Fuege(*DatBas, eintrag, TSeite::AusEdits(*this));
    panel.Zeilen->Angefuegt(TSeite::NeueZeile(*this));
    if (panel.Liste->Count() == 1) Freigeben(panel, true);
    panel.Liste->SetItemIndex(panel.Liste->Count() - 1);
    (this->*panel.Click)();
    Modified = true;
    Journalisiere(eintrag);
  }
  SBStatistikClick();
}

template <class TSeite>
void TFHaupt::Aendern() {
  const TPanel panel = std::is_same_v<TSeite, TFilmSeite> ? FilmPanel() : SpielPanel();
  if (panel.Name->text().isEmpty()) {
    Dialoge.Meldung(this, QStringLiteral("Fehler:"), TSeite::KeinNameText, TKnoepfe::Ok,
                    TSymbol::Ausrufezeichen);
  } else {
    const int k = panel.Liste->ItemIndex();
    TJournalEintrag eintrag;
    TSeite::Setze(*DatBas, eintrag, k + 1, TSeite::AusEdits(*this));
    panel.Zeilen->Geaendert(k);
    panel.Liste->SetItemIndex(k);
    Modified = true;
    Journalisiere(eintrag);
  }
  SBStatistikClick();
}

template <class TSeite>
void TFHaupt::Loeschen() {
  const TPanel panel = std::is_same_v<TSeite, TFilmSeite> ? FilmPanel() : SpielPanel();
  panel.Liste->setFocus();
  const int k = panel.Liste->ItemIndex();
  TJournalEintrag eintrag;
  if (k >= 0) panel.Zeilen->Entferne(k, [&] { TSeite::Entferne(*DatBas, eintrag, k + 1); });
  panel.Liste->SetItemIndex(k > 0 ? k - 1 : 0);
  const bool leer = panel.Liste->Count() == 0;
  if (leer) Freigeben(panel, false);
  Modified = true;
  Journalisiere(eintrag);
  // An emptied list leaves the deleted record's texts in the edits.
  if (leer)
    panel.Num->setText(QStringLiteral("0"));
  else
    (this->*panel.Click)();
  SBStatistikClick();
}

template <class TSeite>
void TFHaupt::Verschieben(bool nachOben) {
  const TPanel panel = std::is_same_v<TSeite, TFilmSeite> ? FilmPanel() : SpielPanel();
  const int k = panel.Liste->ItemIndex();
  const int anzahl = TSeite::Anzahl(*DatBas);
  // The selected record is k + 1; it changes places with the one above or below.
  const int nachbar = nachOben ? k : k + 2;
  if (anzahl < 2 || k < 0 || nachbar < 1 || nachbar > panel.Liste->Count()) return;
  Modified = true;
  typename TSeite::TRec gewaehlt, anderer;
  TSeite::Hole(*DatBas, k + 1, gewaehlt);
  TSeite::Hole(*DatBas, nachbar, anderer);
  TJournalEintrag eintrag;
  TSeite::Setze(*DatBas, eintrag, nachbar, gewaehlt);
  TSeite::Setze(*DatBas, eintrag, k + 1, anderer);
  Journalisiere(eintrag);
  panel.Zeilen->Geaendert(k);
  panel.Zeilen->Geaendert(nachbar - 1);
  panel.Liste->SetItemIndex(nachbar - 1);
  (this->*panel.Click)();
}

void TFHaupt::SBFilmaddClick() { Hinzufuegen<TFilmSeite>(); }
void TFHaupt::SBSpieladdClick() { Hinzufuegen<TSpielSeite>(); }
void TFHaupt::Film1Click() { SBFilmaddClick(); }
void TFHaupt::Spiel2Click() { SBSpieladdClick(); }
void TFHaupt::SBFilmchangeClick() { Aendern<TFilmSeite>(); }
void TFHaupt::SBSpielchangeClick() { Aendern<TSpielSeite>(); }
void TFHaupt::SBFilmdelClick() { Loeschen<TFilmSeite>(); }
void TFHaupt::SBSpieldelClick() { Loeschen<TSpielSeite>(); }
void TFHaupt::Film2Click() { SBFilmdelClick(); }
void TFHaupt::Spiel1Click() { SBSpieldelClick(); }
void TFHaupt::SBFilmupClick() { Verschieben<TFilmSeite>(true); }
void TFHaupt::SBFilmdownClick() { Verschieben<TFilmSeite>(false); }
void TFHaupt::SBSpielupClick() { Verschieben<TSpielSeite>(true); }
void TFHaupt::SBSpieldownClick() { Verschieben<TSpielSeite>(false); }

void TFHaupt::Suche1Click() { Fenster.FSuche->ShowModal(); }
void TFHaupt::FilmePopupMSuchenClick() { Suche1Click(); }
void TFHaupt::SpielePopupMSuchenClick() { Suche1Click(); }
