#include "support/ScriptedDialoge.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void TScriptedDialoge::Zeichne(const TGezeigteBox& box) {
  Boxen << box;
  if (QGuiApplication::overrideCursor() != nullptr) ++UnterWartezeiger;
}

TAntwort TScriptedDialoge::Meldung(QWidget* besitzer, const QString& titel, const QString& text,
                                   TKnoepfe knoepfe, TSymbol symbol) {
  TGezeigteBox box;
  box.Art = TGezeigteBox::TArt::Meldung;
  const QWindow* fenster = besitzer != nullptr ? besitzer->window()->windowHandle() : nullptr;
  box.UeberGezeigtemFenster = fenster != nullptr && fenster->isVisible();
  box.Titel = titel;
  box.Text = text;
  box.Knoepfe = knoepfe;
  box.Symbol = symbol;
  Zeichne(box);
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
  Zeichne(box);
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
  Zeichne(box);
  if (Dateiwahlen.isEmpty()) {
    ++Unerwartet;
    return std::nullopt;
  }
  return Dateiwahlen.takeFirst();
}
