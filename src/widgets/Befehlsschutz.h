#pragma once
// The guard around every command: an unexpected failure ends the command and
// is shown in the general error box; the program goes on.

#include <functional>
#include <string>

class QWidget;
class TDialoge;

// Runs befehl; returns false when it failed (after the error box was shown).
bool Befehlsschutz(TDialoge& dialoge, QWidget* besitzer, const std::function<void()>& befehl);

// The general error box: the application title as caption, the stop icon,
// the message with a full stop appended where due.
void Fehlerbox(TDialoge& dialoge, QWidget* besitzer, const std::string& meldung);

// A handler of a window, wrapped in the guard, ready to be connected to a signal.
template <class TFenster>
std::function<void()> Geschuetzt(TDialoge& dialoge, TFenster* fenster, void (TFenster::*handler)()) {
  return [&dialoge, fenster, handler] {
    Befehlsschutz(dialoge, fenster, [fenster, handler] { (fenster->*handler)(); });
  };
}
