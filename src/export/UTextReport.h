#pragma once
// The text report: the whole catalogue as plain lines.

#include "export/UExportQuelle.h"
#include "export/UZeilendatei.h"

// Gives zeilen the lines of the report, without line ends: a spacer line, the
// sections of the films, film wishes, games, game wishes and lendings that
// have entries, and the footer. A spacer line is a single blank; no line is
// empty.
void TextReportZeilen(const TExportQuelle& quelle, TZeilenZiel& zeilen);
