#include "export/UZeilendatei.h"

#include "platform/AtomareDatei.h"

namespace {

class TDateizeilen final : public TZeilenZiel {
public:
  explicit TDateizeilen(TAtomareDatei& datei) : Datei(datei) {}
  void Zeile(std::string_view zeile) override {
    Datei.Schreibe(zeile.data(), zeile.size());
    Datei.Schreibe("\r\n", 2);
  }

private:
  TAtomareDatei& Datei;
};

}  // namespace

void SchreibeZeilen(const std::string& pfad, const std::function<void(TZeilenZiel&)>& bauer) {
  try {
    TAtomareDatei datei(pfad);
    TDateizeilen zeilen(datei);
    bauer(zeilen);
    datei.Fertig();
  } catch (const EAtomarFehler& fehler) {
    if (fehler.Schritt == TDateiSchritt::Schreiben) throw EFehler("Stream-Write-Fehler");
    throw EFehler("Datei " + pfad + " kann nicht erstellt werden");
  }
}
