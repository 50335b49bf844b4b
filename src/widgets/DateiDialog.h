#pragma once
// A file dialog object that keeps its settings between showings: title,
// filter, default extension, initial folder and the proposed file name, which
// after each confirmed showing is the file chosen last.

#include <QString>
#include <QStringList>

class QWidget;
class TDialoge;

class TDateiDialog {
public:
  enum class TArt { Oeffnen, Speichern };

  TDateiDialog(TArt art, TDialoge& dialoge, QWidget* besitzer);

  TArt Art;
  QString Title;
  QString Filter;       // pairs of "description|patterns", patterns separated by ";"
  QString DefaultExt;   // given to a name typed without extension
  QString InitialDir;
  QString FileName;
  bool OverwritePrompt = false;

  // Shows the dialog; true, with FileName set, when the user chose a file.
  bool Execute();

private:
  TDialoge& Dialoge;
  QWidget* Besitzer;
};

// The filter in Qt's form, one "description(patterns)" entry per pair.
QStringList QtNamensfilter(const QString& filter);
