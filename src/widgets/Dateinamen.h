#pragma once
// File names between the file system's bytes and Qt's texts. A name may be
// any bytes: valid UTF-8 is decoded as usual, and each byte of an invalid
// sequence is kept as a lone surrogate U+DC80 to U+DCFF, which turns back
// into that byte. So a name the system hands over reaches the same file again.

#include <QString>
#include <string>
#include <string_view>

QString DateinameText(std::string_view bytes);
std::string DateinameBytes(const QString& pfad);

// The name for the user's eyes: a kept byte shows as U+FFFD.
QString DateinameAnzeige(const QString& pfad);

// Whether the path names a regular file, links followed.
bool IstDatei(const QString& pfad);
