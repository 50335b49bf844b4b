#pragma once
// Writing the lines of a report or exchange file.

#include <string>
#include <vector>

// Writes every line followed by CR LF, the last one too, byte for byte, and
// replaces any file at pfad only once all of them are written. Throws EFehler
// "Datei <pfad> kann nicht erstellt werden" when the file cannot be made and
// "Stream-Write-Fehler" when writing it fails; a file already at pfad then
// stays as it was.
void SchreibeZeilen(const std::string& pfad, const std::vector<std::string>& zeilen);
