#pragma once
// The dialog seam for window tests: every box and file dialog is recorded,
// and questions and file dialogs are answered from scripts the test set up
// beforehand. A box nobody scripted an answer for is recorded as unexpected.

#include "widgets/DateiDialog.h"
#include "widgets/Dialoge.h"

#include <QList>
#include <QString>
#include <optional>

struct TGezeigteBox {
  enum class TArt { Meldung, Eingabe, Datei };
  TArt Art = TArt::Meldung;
  QString Titel;
  QString Text;  // message text; the prompt of an input box; a file dialog's proposed name
  TKnoepfe Knoepfe = TKnoepfe::Ok;
  TSymbol Symbol = TSymbol::Keins;
  // Boxes only: the owner's window was on screen when the box came.
  bool UeberGezeigtemFenster = false;
  // File dialogs only: what the dialog was set up with.
  TDateiDialog::TArt DateiArt = TDateiDialog::TArt::Oeffnen;
  QString Filter;
  QString DefaultExt;
  QString InitialDir;
  bool OverwritePrompt = false;
};

class TScriptedDialoge final : public TDialoge {
public:
  QList<TGezeigteBox> Boxen;
  QList<TAntwort> Antworten;                    // for Yes/No questions, in order
  QList<std::optional<QString>> Eingaben;       // for input boxes; nullopt cancels
  QList<std::optional<QString>> Dateiwahlen;    // for file dialogs; nullopt cancels
  int Unerwartet = 0;                           // boxes shown without a scripted answer
  int UnterWartezeiger = 0;                     // boxes shown while the pointer was waiting

  TAntwort Meldung(QWidget* besitzer, const QString& titel, const QString& text, TKnoepfe knoepfe,
                   TSymbol symbol) override;
  std::optional<QString> Eingabe(QWidget* besitzer, const QString& titel,
                                 const QString& prompt) override;
  std::optional<QString> Datei(QWidget* besitzer, const TDateiDialog& dialog) override;

  // Test helpers.
  void Frage(TAntwort antwort) { Antworten << antwort; }
  void Waehle(const QString& pfad) { Dateiwahlen << pfad; }
  void BrichAb() { Dateiwahlen << std::nullopt; }
  void Tippe(const QString& text) { Eingaben << text; }
  void BrichEingabeAb() { Eingaben << std::nullopt; }
  bool AllesBeantwortet() const {
    return Antworten.isEmpty() && Dateiwahlen.isEmpty() && Eingaben.isEmpty();
  }
  void Vergiss() { Boxen.clear(); }

private:
  void Zeichne(const TGezeigteBox& box);
};
