#pragma once
// The one exception type of a command that fails unexpectedly. It carries the
// German text (UTF-8) that the general error box shows.

#include <stdexcept>
#include <string>

class EFehler : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The text of the general error box: the message, with a full stop appended
// when its last character sorts after "." in the character set.
std::string FehlerboxText(const std::string& meldung);

// The text for a lack of memory.
inline constexpr const char* ZuWenigArbeitsspeicher = "Zu wenig Arbeitsspeicher";
