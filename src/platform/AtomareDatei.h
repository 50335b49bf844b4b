#pragma once
// Replacing a file in one step.

#include <cstdint>
#include <string>
#include <vector>

// Writes bytes to a temporary file beside pfad, flushes it to disk and then
// renames it over pfad. On failure the temporary file is removed, any file at
// pfad is left untouched, and EFehler is thrown with the German failure text.
// A new file gets the usual permissions; a replaced one keeps its own, and a
// write-protected one is not replaced.
void SchreibeDateiAtomar(const std::string& pfad, const std::vector<std::uint8_t>& bytes);
