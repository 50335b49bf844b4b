#pragma once
// The HTML report: the whole catalogue as one page of tables.

#include "export/UExportQuelle.h"
#include "export/UZeilendatei.h"

// Gives zeilen the lines of the page, without line ends: the head, a table
// for each of the films, film wishes, games, game wishes and lendings that
// have entries, and the foot. Record fields and list entries show as typed:
// "&", "<", ">" and '"' in them are written as entities.
void HtmlZeilen(const TExportQuelle& quelle, TZeilenZiel& zeilen);
