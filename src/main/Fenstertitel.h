#pragma once
// The two forms of the main window's title.

#include <QString>

// " Scheibwart  [ v 1.0 ]"
QString TitleNoFile();

// " Scheibwart  [ v 1.0 ]  ( path )"
QString TitleWithFile(const QString& pfad);
