#include "widgets/QtDateiDialog.h"

#include "widgets/DateiDialog.h"
#include "widgets/GtkFilternamen.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

TSpeicherziel Speicherziel(const QString& getippt, const QString& endung, bool getipptGefragt) {
  TSpeicherziel ziel{getippt};
  if (!endung.isEmpty() && !QFileInfo(getippt).fileName().contains(QLatin1Char('.')))
    ziel.Datei += QLatin1Char('.') + endung;
  ziel.Fragen = QFileInfo::exists(ziel.Datei) && !(getipptGefragt && ziel.Datei == getippt);
  return ziel;
}

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

std::optional<QString> TQtDateiDialog::Zeige() {
  do {
    Nochmal = false;
    // Once the desktop's dialog is on screen, its filters read as given.
    QTimer::singleShot(0, this, [this] {
      if (testAttribute(Qt::WA_DontShowOnScreen)) BenenneGtkFilter(nameFilters());
    });
    exec();
  } while (Nochmal);
  if (result() != Accepted) return std::nullopt;
  if (!EinName.isEmpty()) return EinName;
  const QStringList gewaehlt = selectedFiles();
  if (gewaehlt.isEmpty()) return std::nullopt;
  return gewaehlt.first();
}

void TQtDateiDialog::accept() {
  // Where Qt shows the desktop's dialog, it keeps this one off the screen.
  if (testAttribute(Qt::WA_DontShowOnScreen))
    NimmDesktopWahl();
  else
    NimmEingabe();
}

void TQtDateiDialog::NimmEingabe() {
  const auto* feld = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  const QString eingabe = feld != nullptr ? feld->text() : QString();
  if (!eingabe.contains(QLatin1Char('"'))) {
    QFileDialog::accept();
    return;
  }
  const QFileInfo datei(QDir(directory()).absoluteFilePath(eingabe));
  if (datei.isDir()) {
    setDirectory(datei.absoluteFilePath());
    return;
  }
  const TSpeicherziel ziel = Speicherziel(datei.absoluteFilePath(), defaultSuffix(), false);
  if (ziel.Fragen && acceptMode() == AcceptSave && !testOption(DontConfirmOverwrite) && !Ersetzen(ziel.Datei))
    return;
  EinName = ziel.Datei;
  QDialog::accept();
}

void TQtDateiDialog::NimmDesktopWahl() {
  if (acceptMode() != AcceptSave) {
    QFileDialog::accept();
    return;
  }
  // The name as the desktop's dialog confirmed it, without Qt's extension.
  const QString endung = defaultSuffix();
  setDefaultSuffix(QString());
  const QStringList gewaehlt = selectedFiles();
  setDefaultSuffix(endung);
  if (gewaehlt.isEmpty()) return;
  const bool fragen = !testOption(DontConfirmOverwrite);
  const TSpeicherziel ziel = Speicherziel(gewaehlt.first(), endung, fragen);
  if (fragen && ziel.Fragen && !Ersetzen(ziel.Datei)) {
    selectFile(ziel.Datei);
    Nochmal = true;
    QDialog::reject();
    return;
  }
  EinName = ziel.Datei;
  QDialog::accept();
}

// Qt's own question, in Qt's own words.
bool TQtDateiDialog::Ersetzen(const QString& datei) {
  return QMessageBox::warning(
             this, windowTitle(),
             QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(datei).fileName()),
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
