#include "widgets/QtDateiDialog.h"

#include "widgets/DateiDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

TQtDateiDialog::TQtDateiDialog(QWidget* besitzer, const TDateiDialog& dialog)
    : QFileDialog(besitzer, dialog.Title) {
  setOption(HideNameFilterDetails);
  setFileMode(AnyFile);
  const bool speichern = dialog.Art == TDateiDialog::TArt::Speichern;
  setAcceptMode(speichern ? AcceptSave : AcceptOpen);
  setOption(DontConfirmOverwrite, !(speichern && dialog.OverwritePrompt));
  setNameFilters(QtNamensfilter(dialog.Filter));
  setDefaultSuffix(dialog.DefaultExt);

  // A proposed name with a folder opens the dialog in that folder.
  const QFileInfo vorschlag(dialog.FileName);
  const bool mitOrdner = dialog.FileName.contains(QLatin1Char('/'));
  setDirectory(mitOrdner ? vorschlag.absolutePath() : QDir(dialog.InitialDir).absolutePath());
  selectFile(mitOrdner ? vorschlag.fileName() : dialog.FileName);
}

std::optional<QString> TQtDateiDialog::Gewaehlt() const {
  if (result() != Accepted) return std::nullopt;
  if (!EinName.isEmpty()) return EinName;
  const QStringList gewaehlt = selectedFiles();
  if (gewaehlt.isEmpty()) return std::nullopt;
  return gewaehlt.first();
}

void TQtDateiDialog::accept() {
  // The name field exists only in Qt's own dialog.
  const auto* feld = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  const QString eingabe = feld != nullptr ? feld->text() : QString();
  if (!eingabe.contains(QLatin1Char('"'))) {
    QFileDialog::accept();
    return;
  }
  QFileInfo datei(QDir(directory()).absoluteFilePath(eingabe));
  if (datei.isDir()) {
    setDirectory(datei.absoluteFilePath());
    return;
  }
  if (!defaultSuffix().isEmpty() && !datei.fileName().contains(QLatin1Char('.')))
    datei.setFile(datei.filePath() + QLatin1Char('.') + defaultSuffix());
  if (datei.exists() && acceptMode() == AcceptSave && !testOption(DontConfirmOverwrite) &&
      QMessageBox::warning(this, windowTitle(),
                           QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(datei.fileName()),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
    return;
  EinName = datei.absoluteFilePath();
  QDialog::accept();
}
