// The three text lists: the film wish list, the game wish list and the
// lending list, each kept only in its list box.

#include "main/Hauptformular.h"

#include "widgets/Anwendungstitel.h"
#include "widgets/Cp1252.h"
#include "widgets/Dialoge.h"
#include "widgets/ListBox.h"

#include <QToolButton>

namespace {

const QString NeueNotiz = QStringLiteral("Neue Notiz:");

// An empty text, or one blank, adds nothing.
bool IstLeer(const QString& text) { return text.isEmpty() || text == QStringLiteral(" "); }

void HaengeAn(TListBox* liste, QToolButton* loeschen, const QString& eintrag) {
  liste->Add(eintrag);
  liste->SetItemIndex(liste->Count() - 1);
  liste->setFocus();
  loeschen->setEnabled(true);
}

// Which of the three lists the journal names.
TNotizliste Notizliste(const TFHaupt& h, const TListBox* liste) {
  if (liste == h.LBFilmeW) return TNotizliste::FilmWuensche;
  if (liste == h.LBSpieleW) return TNotizliste::SpielWuensche;
  return TNotizliste::Verleih;
}

}  // namespace

void TFHaupt::NotizHinzufuegen(TListBox* liste, QToolButton* loeschen, const QString& titel) {
  const std::optional<QString> text = Dialoge.Eingabe(this, titel, NeueNotiz);
  if (!text || IstLeer(*text)) return;
  HaengeAn(liste, loeschen, *text);
  Modified = true;
  TJournalEintrag eintrag;
  eintrag.NotizNeu(Notizliste(*this, liste), NachCp1252(*text));
  Journalisiere(eintrag);
  SBStatistikClick();
}

void TFHaupt::NotizLoeschen(TListBox* liste, QToolButton* loeschen) {
  TJournalEintrag eintrag;
  if (liste->Count() == 1) {
    // The only entry goes whether it is selected or not.
    liste->Clear();
    loeschen->setEnabled(false);
    eintrag.NotizLoeschen(Notizliste(*this, liste), 0);
  } else {
    const int k = liste->ItemIndex();
    if (k >= 0) {
      liste->Delete(k);
      eintrag.NotizLoeschen(Notizliste(*this, liste), k);
    }
    liste->SetItemIndex(k > 0 ? k - 1 : 0);
    liste->setFocus();
  }
  Modified = true;
  Journalisiere(eintrag);
  SBStatistikClick();
}

void TFHaupt::NotizZeigen(TListBox* liste) {
  const int k = liste->ItemIndex();
  if (k < 0) return;
  Dialoge.Meldung(this, QString::fromUtf8(AnwendungsTitel), liste->Item(k), TKnoepfe::Ok,
                  TSymbol::Keins);
}

void TFHaupt::Verleihen(TListBox* sammlung) {
  const std::optional<QString> notiz =
      Dialoge.Eingabe(this, QStringLiteral("Verleih:"), QStringLiteral("Notiz hinzufügen? :"));
  if (!notiz) return;
  const QString zeile = sammlung->Item(sammlung->ItemIndex());
  const QString eintragText = IstLeer(*notiz) ? zeile : *notiz + QStringLiteral(" - ") + zeile;
  HaengeAn(LBVerleih, SBVerleihdel, eintragText);
  Modified = true;
  TJournalEintrag eintrag;
  eintrag.NotizNeu(TNotizliste::Verleih, NachCp1252(eintragText));
  Journalisiere(eintrag);
  SBStatistikClick();
}

void TFHaupt::SBVerleihaddClick() { NotizHinzufuegen(LBVerleih, SBVerleihdel, QStringLiteral("Verleih:")); }
void TFHaupt::SBVerleihdelClick() { NotizLoeschen(LBVerleih, SBVerleihdel); }
void TFHaupt::MenuItem2Click() { SBVerleihaddClick(); }
void TFHaupt::MenuItem6Click() { SBVerleihdelClick(); }

void TFHaupt::SBFilmWaddClick() {
  NotizHinzufuegen(LBFilmeW, SBFilmWdel, QStringLiteral("Wunschliste - Filme:"));
}
void TFHaupt::SBFilmWdelClick() { NotizLoeschen(LBFilmeW, SBFilmWdel); }
void TFHaupt::FilmePopupMWaddClick() { SBFilmWaddClick(); }
void TFHaupt::FilmePopupMWdelClick() { SBFilmWdelClick(); }

void TFHaupt::SBSpielWaddClick() {
  NotizHinzufuegen(LBSpieleW, SBSpielWdel, QStringLiteral("Wunschliste - Spiele:"));
}
void TFHaupt::SBSpielWdelClick() { NotizLoeschen(LBSpieleW, SBSpielWdel); }
void TFHaupt::SpielePopupMWaddClick() { SBSpielWaddClick(); }
void TFHaupt::SpielePopupMWdelClick() { SBSpielWdelClick(); }

void TFHaupt::SBFilmVerleihClick() { Verleihen(LBFilme); }
void TFHaupt::SBSpielVerleihClick() { Verleihen(LBSpiele); }

void TFHaupt::LBVerleihDblClick() { NotizZeigen(LBVerleih); }
void TFHaupt::LBFilmeWDblClick() { NotizZeigen(LBFilmeW); }
void TFHaupt::LBSpieleWDblClick() { NotizZeigen(LBSpieleW); }
