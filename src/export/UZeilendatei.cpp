#include "export/UZeilendatei.h"

#include "platform/AtomareDatei.h"

namespace {

class TDateizeilen final : public TZeilenZiel {
public:
  explicit TDateizeilen(TAtomareDatei& datei) : Datei(datei) {}
  using TZeilenZiel::Zeile;
  void Zeile(std::span<const std::string_view> teile) override {
    for (const std::string_view teil : teile) Datei.Schreibe(teil.data(), teil.size());
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
