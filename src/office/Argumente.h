#pragma once
// Reading the members and arguments of a dispatch call; a call that does not
// fit fails with the system's text.

#include "office/Automation.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Member names compare without regard to case.
bool GleicherName(const std::string& name, const char* mitglied);

// Fails with "Ungültige Anzahl von Parametern" unless there are n arguments.
void PruefeAnzahl(const std::vector<TVariant>& argumente, std::size_t n);

// A 16- or 32-bit integer.
std::int32_t Ganzzahl(const TVariant& wert);

// A boolean; an integer counts as true when it is not 0.
bool Wahrheitswert(const TVariant& wert);

// A string, handed by value or by reference.
const std::string& Text(const TVariant& wert);
