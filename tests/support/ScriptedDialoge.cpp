#include "support/ScriptedDialoge.h"

TAntwort TScriptedDialoge::Meldung(QWidget*, const QString& titel, const QString& text,
                                   TKnoepfe knoepfe, TSymbol symbol) {
  TGezeigteBox box;
  box.Art = TGezeigteBox::TArt::Meldung;
  box.Titel = titel;
  box.Text = text;
  box.Knoepfe = knoepfe;
  box.Symbol = symbol;
  Boxen << box;
  if (knoepfe == TKnoepfe::Ok) return TAntwort::Ok;
  if (Antworten.isEmpty()) {
    ++Unerwartet;
    return TAntwort::Nein;
  }
  return Antworten.takeFirst();
}

std::optional<QString> TScriptedDialoge::Eingabe(QWidget*, const QString& titel,
                                                 const QString& prompt) {
  TGezeigteBox box;
  box.Art = TGezeigteBox::TArt::Eingabe;
  box.Titel = titel;
  box.Text = prompt;
  Boxen << box;
  if (Eingaben.isEmpty()) {
    ++Unerwartet;
    return std::nullopt;
  }
  return Eingaben.takeFirst();
}

std::optional<QString> TScriptedDialoge::Datei(QWidget*, const TDateiDialog& dialog) {
  TGezeigteBox box;
  box.Art = TGezeigteBox::TArt::Datei;
  box.Titel = dialog.Title;
  box.Text = dialog.FileName;
  box.DateiArt = dialog.Art;
  box.Filter = dialog.Filter;
  box.DefaultExt = dialog.DefaultExt;
  box.InitialDir = dialog.InitialDir;
  box.OverwritePrompt = dialog.OverwritePrompt;
  Boxen << box;
  if (Dateiwahlen.isEmpty()) {
    ++Unerwartet;
    return std::nullopt;
  }
  return Dateiwahlen.takeFirst();
}
