#include "model/UDatentypen.h"

TShortString::TShortString(std::string_view text)
    : Text(text.substr(0, MaxLaenge)) {}
