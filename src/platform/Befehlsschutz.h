#pragma once
// The guard around every command: an unexpected failure ends the command and
// is shown in the general error box; the program goes on.

#include <functional>

class QWidget;
class TDialoge;

// Runs befehl; returns false when it failed (after the error box was shown).
bool Befehlsschutz(TDialoge& dialoge, QWidget* besitzer, const std::function<void()>& befehl);
