#pragma once
// The two forms of the main window's title.

#include <QString>

// " Scheibwart  [ v 1.0 ]"
QString TitleNoFile();

// " Scheibwart  [ v 1.0 ]  ( path )", with the path as PfadImTitel shows it.
QString TitleWithFile(const QString& pfad);

// The full path: a path relative to the working folder is made absolute, "."
// and ".." are resolved, links are not followed. A byte of the name that is
// not UTF-8 shows as U+FFFD.
QString PfadImTitel(const QString& pfad);
