#pragma once
// Replacing a file in one step.

#include "platform/Fehler.h"

#include <cstdint>
#include <string>
#include <vector>

// The step of a replacement that failed: putting a file at its place (the
// temporary one, or the finished one under its own name), or writing out the
// content.
enum class TDateiSchritt { Anlegen, Schreiben };

// The failure of SchreibeDateiAtomar: the German failure text of the system
// error, and the step it happened in.
class EAtomarFehler : public EFehler {
public:
  EAtomarFehler(TDateiSchritt schritt, int errnum);
  TDateiSchritt Schritt;
};

// The folder pfad lies in: "." for a bare name, "/" for a name in the root.
std::string Verzeichnis(const std::string& pfad);

// The file that replacing pfad is to replace: symbolic links are followed one
// by one, so that every link stays and the file at the end of the chain
// receives the new content, also when that file does not exist yet. A link
// that cannot be read, or a loop, throws EAtomarFehler.
std::string ZielPfad(const std::string& pfad);

// Writes bytes to a temporary file beside pfad, flushes it to disk and then
// renames it over pfad. On failure the temporary file is removed, any file at
// pfad is left untouched, and EAtomarFehler is thrown. A new file gets the
// usual permissions; a replaced one keeps its own, and a write-protected one
// is not replaced.
void SchreibeDateiAtomar(const std::string& pfad, const std::vector<std::uint8_t>& bytes);
