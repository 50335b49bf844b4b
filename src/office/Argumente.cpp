#include "office/Argumente.h"

#include <cstring>

bool GleicherName(const std::string& name, const char* mitglied) {
  auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (name.size() != std::strlen(mitglied)) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (klein(name[i]) != klein(mitglied[i])) return false;
  return true;
}

void PruefeAnzahl(const std::vector<TVariant>& argumente, std::size_t n) {
  if (argumente.size() != n) throw EFehler(UngueltigeParameterzahl);
}

std::int32_t Ganzzahl(const TVariant& wert) {
  if (const auto* zahl = std::get_if<std::int32_t>(&wert)) return *zahl;
  if (const auto* zahl = std::get_if<std::int16_t>(&wert)) return *zahl;
  throw EFehler(Typenkonflikt);
}

bool Wahrheitswert(const TVariant& wert) {
  if (const auto* wahr = std::get_if<bool>(&wert)) return *wahr;
  return Ganzzahl(wert) != 0;
}

const std::string& Text(const TVariant& wert) {
  if (const auto* text = std::get_if<std::string>(&wert)) return *text;
  if (const auto* verweis = std::get_if<TStringRef>(&wert)) return verweis->get();
  throw EFehler(Typenkonflikt);
}
