#pragma once
// The search in the collection: which records' chosen field contains a text.

#include "model/UDatbas.h"
#include "model/USammlungsart.h"

#include <string>
#include <vector>

enum class TSuchfeld { Name, Format, Genre, Kommentar };

// True when the search text, cut to its first 255 characters, occurs in text
// as one contiguous run; only the letters A to Z are compared regardless of
// case, every other character (umlauts included) must match exactly.
bool MatchesSearchText(const std::string& text, const std::string& suchtext);

// The 1-based positions, in collection order, of the films or games whose
// field matches the search text. Games have no CD format, so a search of
// that field finds none of them.
std::vector<int> Treffer(const TDatBas& datBas, TSammlungsart art, TSuchfeld feld,
                         const std::string& suchtext);
