#include "export/UZeilendatei.h"

#include "platform/AtomareDatei.h"

#include <cstdint>

void SchreibeZeilen(const std::string& pfad, const std::vector<std::string>& zeilen) {
  std::vector<std::uint8_t> bytes;
  for (const std::string& zeile : zeilen) {
    bytes.insert(bytes.end(), zeile.begin(), zeile.end());
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  try {
    SchreibeDateiAtomar(pfad, bytes);
  } catch (const EAtomarFehler& fehler) {
    if (fehler.Schritt == TDateiSchritt::Schreiben) throw EFehler("Stream-Write-Fehler");
    throw EFehler("Datei " + pfad + " kann nicht erstellt werden");
  }
}
