#pragma once
// Texts and file names on their way to LibreOffice.

#include <rtl/ustring.hxx>

#include <string>

// A code page 1252 text of the core.
rtl::OUString UnoVonCp1252(const std::string& text);

rtl::OUString UnoVonUtf8(const std::string& text);
std::string Utf8VonUno(const rtl::OUString& text);

// The file URL of a path in the system's encoding (UTF-8); a relative path
// counts from the current folder. Fails with EFehler.
rtl::OUString DateiUrl(const std::string& pfad);
