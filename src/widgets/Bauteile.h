#pragma once
// Controls at fixed places, as every window of the program lays them out:
// absolute geometry, the program's fonts, flat buttons with the hand cursor.

#include "widgets/Aussehen.h"

#include <QString>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace Bauteile {

template <class TWidget>
TWidget* Erzeuge(QWidget* eltern, const char* name, int links, int oben, int breite, int hoehe) {
  auto* widget = new TWidget(eltern);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(links, oben, breite, hoehe);
  return widget;
}

QGroupBox* Gruppe(QWidget* eltern, const char* name, const QString& titel, int links, int oben,
                  int breite, int hoehe, const QFont& schrift = Aussehen::SansSerif());

// A label as wide as its text.
QLabel* Beschriftung(QWidget* eltern, const QString& text, int links, int oben,
                     const QFont& schrift = Aussehen::SansSerif(), const char* name = nullptr);

// A label naming the field beside it, made in the field's parent: screen
// readers speak its text as the field's name (the label is the field's buddy).
QLabel* Feldbeschriftung(QWidget* feld, const QString& text, int links, int oben,
                         const QFont& schrift = Aussehen::SansSerif(), const char* name = nullptr);

// Gives a control the width laid out for it, or more where its text needs
// more with this platform's type face, rather than cutting the text off.
void SetzeBreite(QWidget* control, int breite);

// Fills an edit, or the edit of an editable combo box, with a text and shows
// its beginning when it is longer than the field (setting a text alone puts
// the cursor, and so the visible part, at its end).
void ZeigeText(QLineEdit* feld, const QString& text);
void ZeigeText(QComboBox* kombi, const QString& text);

// A group box's caption without the blanks and the colon around it, the
// name screen readers speak for the list it frames: " Filme : " is "Filme".
QString Gruppenname(const QGroupBox* gruppe);

// Tells screen readers what a button does: a picture button is named so, a
// button with a caption keeps that as its name and is described so.
void NenneZweck(QAbstractButton* knopf, const QString& zweck);

// A flat button with a caption; the Tab key reaches it, Space and Return click it.
QToolButton* Knopf(QWidget* eltern, const char* name, const QString& text, int links, int oben,
                   int breite, int hoehe, const QFont& schrift = Aussehen::SansSerif(true));

// A flat picture button without caption.
QToolButton* Bildknopf(QWidget* eltern, const char* name, const QIcon& bild, int links, int oben,
                       int breite, int hoehe);

}  // namespace Bauteile
