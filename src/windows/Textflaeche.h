#pragma once
// A read-only, borderless text of several lines in the window's own colours,
// as the version and the shortcut windows show theirs.

#include <QStringList>

class QPlainTextEdit;
class QWidget;

QPlainTextEdit* Textflaeche(QWidget* eltern, const char* name, int links, int oben, int breite,
                            int hoehe, const QStringList& zeilen);
