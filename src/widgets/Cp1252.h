#pragma once
// The one codec between Qt's texts and the code page 1252 bytes of the core.
//
// Every byte value maps to one character and back, so texts read from a file
// survive a round trip unchanged; the five bytes that code page 1252 leaves
// undefined map to the control characters of the same number.

#include <QString>
#include <string>

QString VonCp1252(const std::string& bytes);

// A character that code page 1252 cannot hold becomes "?".
std::string NachCp1252(const QString& text);
