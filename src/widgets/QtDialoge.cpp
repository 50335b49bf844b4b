#include "widgets/QtDialoge.h"

#include "widgets/Cp1252Eingabe.h"
#include "widgets/QtDateiDialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTextBoundaryFinder>

#include <algorithm>

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

// The line of text in a box wraps only where a line may break (at blanks,
// after "/" or "-"); a longer stretch without such a place (a web address, a
// note without blanks) would run past the box's edge and be cut. Each is
// broken into lines no wider than breite instead, so that every character
// shows; everything else is left to the box.
QString BrichLangeStrecken(const QString& text, const QFontMetrics& masse, int breite) {
  QString ergebnis;
  ergebnis.reserve(text.size());
  QTextBoundaryFinder stellen(QTextBoundaryFinder::Line, text);
  qsizetype anfang = 0;
  for (qsizetype ende = stellen.toNextBoundary(); ende != -1; ende = stellen.toNextBoundary()) {
    const QString strecke = text.mid(anfang, ende - anfang);
    anfang = ende;
    if (masse.horizontalAdvance(strecke.trimmed()) <= breite) {
      ergebnis += strecke;
      continue;
    }
    QString zeile;
    QTextBoundaryFinder zeichen(QTextBoundaryFinder::Grapheme, strecke);
    qsizetype von = 0;
    for (qsizetype bis = zeichen.toNextBoundary(); bis != -1; bis = zeichen.toNextBoundary()) {
      const QString eines = strecke.mid(von, bis - von);
      von = bis;
      if (!zeile.isEmpty() && !eines.trimmed().isEmpty() &&
          masse.horizontalAdvance(zeile + eines) > breite) {
        ergebnis += zeile + QLatin1Char('\n');
        zeile.clear();
      }
      zeile += eines;
    }
    ergebnis += zeile;
  }
  return ergebnis;
}

}  // namespace

TAntwort TQtDialoge::Meldung(QWidget* besitzer, const QString& titel, const QString& text,
                             TKnoepfe knoepfe, TSymbol symbol) {
  const auto buttons =
      knoepfe == TKnoepfe::JaNein ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
  QMessageBox box(QtSymbol(symbol), titel, QString(), buttons, besitzer);
  box.setTextFormat(Qt::PlainText);
  // As wide as Qt lets a box's text grow before it wraps it.
  const QScreen* bildschirm = besitzer != nullptr ? besitzer->screen() : QGuiApplication::primaryScreen();
  const int breite = bildschirm != nullptr ? std::min(500, bildschirm->availableSize().width() / 2) : 500;
  const auto* zeile = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  box.setText(BrichLangeStrecken(text, zeile != nullptr ? zeile->fontMetrics() : box.fontMetrics(), breite));
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
  return box.Zeige();
}
