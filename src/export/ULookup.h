#pragma once
// The address of the film information site's search page for a search text.

#include <string>

// The site's search address with the search text (code page 1252, taken
// whole, not trimmed) inserted as UTF-8, every byte other than the letters,
// digits and "-", ".", "_", "~" written as "%" and two upper-case hex digits.
std::string LookupAdresse(const std::string& suchtext);
