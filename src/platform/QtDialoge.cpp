#include "platform/QtDialoge.h"

#include "platform/Cp1252Eingabe.h"
#include "platform/QtDateiDialog.h"

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
  TQtDateiDialog box(besitzer, dialog);
  box.exec();
  return box.Gewaehlt();
}
