#pragma once
// The HTML report: the whole catalogue as one page of tables.

#include "export/UExportQuelle.h"

#include <string>
#include <vector>

// The lines of the page, without line ends: the head, a table for each of the
// films, film wishes, games, game wishes and lendings that have entries, and
// the foot. Record fields and list entries show as typed: "&", "<", ">" and
// '"' in them are written as entities.
std::vector<std::string> HtmlZeilen(const TExportQuelle& quelle);
