#pragma once
// The characters of code page 1252, and its text as UTF-8.

#include <string>

// The character of a byte in code page 1252; the five bytes that the code page
// leaves undefined give the control characters of the same number.
char16_t Cp1252Zeichen(unsigned char byte);

// Every byte as its character, encoded in UTF-8.
std::string Utf8VonCp1252(const std::string& bytes);
