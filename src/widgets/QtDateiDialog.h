#pragma once
// The file dialog the program shows: the desktop's own where the platform
// offers one (GTK, the desktop portal), else Qt's, set up from a TDateiDialog.

#include <QFileDialog>

#include <optional>

class TDateiDialog;

class TQtDateiDialog final : public QFileDialog {
public:
  TQtDateiDialog(QWidget* besitzer, const TDateiDialog& dialog);

  // The chosen file after exec(), or nothing when the user cancelled.
  std::optional<QString> Gewaehlt() const;

protected:
  // Qt's own dialog reads double quotes in a typed name as a list of names
  // ("a" "b"); here a typed name is always one name, quotes included.
  void accept() override;

private:
  QString EinName;  // the name accepted with quotes, else empty
};
