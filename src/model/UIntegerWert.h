#pragma once
// Whole 32-bit numbers written as text, as the CD counts are read.

#include <cstdint>
#include <optional>
#include <string>

// The value of a 32-bit integer text: leading spaces, then either an optional
// sign and decimal digits within the 32-bit range, or without a sign 1 to 8
// hexadecimal digits after "$", "x", "X", "0x" or "0X", taken as two's
// complement ("$FFFFFFFF" is -1). Anything else, trailing blanks included,
// gives nullopt.
std::optional<std::int32_t> IntegerWert(const std::string& text);

// true when the whole text is a 32-bit signed integer as IntegerWert reads it.
bool IsValidInteger(const std::string& text);
