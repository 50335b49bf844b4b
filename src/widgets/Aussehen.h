#pragma once
// The program's look: colours, type faces and the pointing-hand cursor.

#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;

namespace Aussehen {

inline const QColor Fensterfarbe{62, 106, 151};
inline const QColor Feldfarbe{0xB1, 0xCC, 0xF8};   // lists, edits, combo boxes
inline const QColor Feldtextfarbe{0x00, 0x00, 0x40};
inline const QColor Grautext{150, 165, 185};       // captions of disabled controls

// The 8-point dialog font, with a close substitute where it is not installed.
QFont SansSerif(bool fett = false);
QFont Verdana(bool fett = false);

inline const QColor Detailfarbe{177, 216, 248};   // background of the detail view

// Background and text of a window, painted by the widget itself: blue with
// white text unless told otherwise.
void Fensterfarben(QWidget* widget, const QColor& hintergrund = Fensterfarbe,
                   const QColor& text = Qt::white);

// Light blue field with dark blue text (black in combo boxes).
void Feldfarben(QWidget* feld, const QColor& text = Feldtextfarbe);

void Handzeiger(QWidget* widget);

// The red circle with a white bar before "Fenster schliessen".
QIcon SchliessenSymbol();

}  // namespace Aussehen
