#pragma once
// The one seam through which every modal box and file dialog is shown.
// The program uses Qt's dialogs; tests put a scripted fake in their place.

#include <QString>
#include <optional>

class QWidget;
class TDateiDialog;

enum class TKnoepfe { Ok, JaNein };
enum class TSymbol { Keins, Ausrufezeichen, Stop };
enum class TAntwort { Ok, Ja, Nein };

class TDialoge {
public:
  virtual ~TDialoge() = default;

  // A message box; a line break in the text starts a new line.
  virtual TAntwort Meldung(QWidget* besitzer, const QString& titel, const QString& text,
                           TKnoepfe knoepfe, TSymbol symbol) = 0;

  // The modal text prompt: a caption, a prompt above one field that starts
  // empty and takes at most 255 characters, "OK" and "Abbrechen". The text, or
  // nothing when the user cancelled.
  virtual std::optional<QString> Eingabe(QWidget* besitzer, const QString& titel,
                                         const QString& prompt) = 0;

  // The open or save dialog described by dialog; the chosen full path, or
  // nothing when the user cancelled.
  virtual std::optional<QString> Datei(QWidget* besitzer, const TDateiDialog& dialog) = 0;
};
