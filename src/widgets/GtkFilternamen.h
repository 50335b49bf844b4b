#pragma once
// Qt's GTK file dialog names a filter by what stands before its first "(",
// so "Textdateien (*.txt)" would read "Textdateien ". This gives the filters
// of the GTK file dialog on screen their descriptions as given. Where no GTK
// file dialog is on screen it does nothing.

#include <QStringList>

// namensfilter in Qt's form, "description(patterns)", in the dialog's order.
void BenenneGtkFilter(const QStringList& namensfilter);
