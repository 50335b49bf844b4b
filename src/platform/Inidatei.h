#pragma once
// Settings in an INI text file: "[Sektion]" lines open a section, "Schluessel=Wert"
// lines hold the values. Section and key names match without regard to ASCII
// case; blanks around names and values do not count. Every line a write does
// not change, comments and junk included, stays byte for byte.

#include <string>

// The value of the key, or vorgabe when the file, the section or the key is
// missing. Matching double quotes around the value are removed; a longer
// value is cut to its first 2047 characters.
std::string IniLiesText(const std::string& datei, const std::string& sektion,
                        const std::string& schluessel, const std::string& vorgabe);

// The value read as an integer (decimal with optional sign, or hexadecimal
// after "0x"): true when it is not zero. A value that is no integer gives
// vorgabe.
bool IniLiesFlag(const std::string& datei, const std::string& sektion,
                 const std::string& schluessel, bool vorgabe);

// Sets the key and writes the file to disk before returning. An existing key
// keeps its line; a new key follows the last key line of its section; a new
// section goes to the end of the file; a missing file is created. On failure
// EFehler "nach <datei> kann nicht geschrieben werden" is thrown and the file
// is left as it was.
void IniSchreibeText(const std::string& datei, const std::string& sektion,
                     const std::string& schluessel, const std::string& wert);

// Writes "1" for true and "0" for false.
void IniSchreibeFlag(const std::string& datei, const std::string& sektion,
                     const std::string& schluessel, bool wert);
