#pragma once
// German texts for file failures, as the general error box shows them.

#include <string>

// The text for a system error number (errno) of a failed file operation.
std::string DateiFehlerText(int errnum);

// A file that ends inside a record.
inline constexpr const char* DateiendeText = "Versuch hinter dem Dateiende zu lesen";
