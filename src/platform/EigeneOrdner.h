#pragma once
// The program's own folders, which no other user may enter: what must survive
// a crash (copies of files being written in place), and the office's private
// folders and pipes while it runs.

#include <string>
#include <vector>

// The folder pfad, made 0700 (with missing parents 0700) when it is not there.
// One that is there must be a folder of this user's, not a link; it is closed
// to others if it was not. Otherwise, or when it cannot be made, EFehler with
// the German text of the failure ("Dateizugriff verweigert" for one that
// belongs to another user).
std::string EigenerOrdner(const std::string& pfad);

// $XDG_STATE_HOME/scheibwart (default ~/.local/state/scheibwart), made as
// EigenerOrdner makes it; ZustandsordnerPfad only names it.
std::string Zustandsordner();
std::string ZustandsordnerPfad();

// The paths of the state folder's entries whose names begin with praefix;
// none where the folder is missing (it is not made only to look into it) or
// is not the user's own.
std::vector<std::string> ImZustandsordner(const std::string& praefix);

// $XDG_RUNTIME_DIR/scheibwart where the session has one, else
// scheibwart-<uid> under $TMPDIR (or /tmp), made as EigenerOrdner makes it.
std::string Laufzeitordner();
