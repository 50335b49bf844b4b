#pragma once
// The file dialog the program shows: the desktop's own where the platform
// offers one (GTK, the desktop portal), else Qt's, set up from a TDateiDialog.

#include <QFileDialog>

#include <optional>

class TDateiDialog;

// The file a save dialog gives for the name typed into it: the name with the
// default extension where it has none, and whether the replace question is
// still to be asked, that is, when that file exists and the dialog has not
// already asked for it (a desktop's dialog asks for the name as typed).
struct TSpeicherziel {
  QString Datei;
  bool Fragen = false;
};
TSpeicherziel Speicherziel(const QString& getippt, const QString& endung, bool getipptGefragt);

class TQtDateiDialog final : public QFileDialog {
public:
  TQtDateiDialog(QWidget* besitzer, const TDateiDialog& dialog);

  // Shows the dialog; the chosen file, or nothing when the user cancelled.
  std::optional<QString> Zeige();

protected:
  void accept() override;

private:
  // Qt's own dialog reads double quotes in a typed name as a list of names
  // ("a" "b"); here a typed name is always one name, quotes included.
  void NimmEingabe();
  // The desktop's dialog asks before replacing the name as typed, and Qt adds
  // the extension only afterwards: the question for the final name is asked
  // here, once; on No the dialog is shown again with that name.
  void NimmDesktopWahl();
  bool Ersetzen(const QString& datei);

  QString EinName;         // the name this dialog settled itself, else empty
  bool Nochmal = false;    // closed only to be shown again
};
