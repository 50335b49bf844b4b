#include "platform/QtDialoge.h"

#include "platform/Cp1252Eingabe.h"
#include "platform/DateiDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QMessageBox::Icon QtSymbol(TSymbol symbol) {
  switch (symbol) {
    case TSymbol::Ausrufezeichen:
      return QMessageBox::Warning;
    case TSymbol::Stop:
      return QMessageBox::Critical;
    case TSymbol::Keins:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

TAntwort TQtDialoge::Meldung(QWidget* besitzer, const QString& titel, const QString& text,
                             TKnoepfe knoepfe, TSymbol symbol) {
  const auto buttons =
      knoepfe == TKnoepfe::JaNein ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
  QMessageBox box(QtSymbol(symbol), titel, text, buttons, besitzer);
  box.setTextFormat(Qt::PlainText);
  const int antwort = box.exec();
  if (knoepfe == TKnoepfe::Ok) return TAntwort::Ok;
  return antwort == QMessageBox::Yes ? TAntwort::Ja : TAntwort::Nein;
}

std::optional<QString> TQtDialoge::Eingabe(QWidget* besitzer, const QString& titel,
                                           const QString& prompt) {
  QInputDialog box(besitzer);
  box.setWindowTitle(titel);
  box.setLabelText(prompt);
  box.setInputMode(QInputDialog::TextInput);
  box.setTextValue(QString());
  if (auto* feld = box.findChild<QLineEdit*>()) {
    feld->setMaxLength(255);
    NurCp1252(feld);
  }
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue();
}

std::optional<QString> TQtDialoge::Datei(QWidget* besitzer, const TDateiDialog& dialog) {
  QFileDialog box(besitzer, dialog.Title);
  box.setOption(QFileDialog::DontUseNativeDialog);  // Qt's dialog speaks German
  box.setOption(QFileDialog::HideNameFilterDetails);
  box.setFileMode(QFileDialog::AnyFile);
  const bool speichern = dialog.Art == TDateiDialog::TArt::Speichern;
  box.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setOption(QFileDialog::DontConfirmOverwrite, !(speichern && dialog.OverwritePrompt));
  box.setNameFilters(QtNamensfilter(dialog.Filter));
  box.setDefaultSuffix(dialog.DefaultExt);

  // A proposed name with a folder opens the dialog in that folder.
  const QFileInfo vorschlag(dialog.FileName);
  const bool mitOrdner = dialog.FileName.contains(QLatin1Char('/'));
  box.setDirectory(mitOrdner ? vorschlag.absolutePath()
                             : QDir(dialog.InitialDir).absolutePath());
  box.selectFile(mitOrdner ? vorschlag.fileName() : dialog.FileName);

  if (box.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList gewaehlt = box.selectedFiles();
  if (gewaehlt.isEmpty()) return std::nullopt;
  return gewaehlt.first();
}
