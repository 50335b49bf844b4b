#pragma once
// Names for screen readers where Qt's own accessibility gives none that says
// what a control is for: a combo box by its label (on Linux Qt speaks its
// value as its name), a number by what it counts, and the scroll bars and
// drop-down lists that belong to a named control.

class QAbstractScrollArea;
class QComboBox;
class QLabel;
class QString;

namespace Zugangsnamen {

// Puts the program's names in place of Qt's own; called before the first
// control exists, since Qt keeps what it first made for a control.
void Einrichten();

// The combo box, its edit and its drop-down list are spoken as name.
void BenenneKombi(QComboBox* kombi, const QString& name);

// The label is spoken as "zweck: <its text>", its text as it is when read.
void BenenneWert(QLabel* wert, const QString& zweck);

// The area and each of its scroll bars are spoken by the area's name.
void BenenneFlaeche(QAbstractScrollArea* flaeche, const QString& name);

}  // namespace Zugangsnamen
