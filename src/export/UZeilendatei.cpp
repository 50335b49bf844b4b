#include "export/UZeilendatei.h"

#include "platform/AtomareDatei.h"

#include <algorithm>

void TZeilenZiel::TextDurch(std::string_view text) {
  for (;;) {
    const std::size_t teil = std::min(text.size(), Frei());
    Pos = Kopiere(Pos, text.substr(0, teil));
    text.remove_prefix(teil);
    if (text.empty()) return;
    Weiter(std::min(text.size(), MaxRaum));
  }
}

void TZeilenZiel::Zeile(std::span<const std::string_view> teile) { ZeileAus(teile); }

namespace {

// The lines in the buffer of the file.
class TDateizeilen final : public TZeilenZiel {
public:
  explicit TDateizeilen(TAtomareDatei& datei) : Datei(datei) {}
  // Gives the file what was written since the last call.
  void Belege() {
    Datei.Belege(static_cast<std::size_t>(Pos - Anfang));
    Anfang = Pos;
  }

private:
  void Weiter(std::size_t anzahl) override {
    Belege();
    const std::span<std::uint8_t> frei = Datei.Platz(anzahl);
    Anfang = Pos = reinterpret_cast<char*>(frei.data());
    Ende = Pos + frei.size();
  }

  TAtomareDatei& Datei;
  char* Anfang = nullptr;
};

}  // namespace

std::optional<std::string> SchreibeZeilen(const std::string& pfad, const std::function<void(TZeilenZiel&)>& bauer) {
  try {
    TAtomareDatei datei(pfad, TPufferung::Nebenher);
    TDateizeilen zeilen(datei);
    bauer(zeilen);
    zeilen.Belege();
    return datei.Fertig();
  } catch (const EAtomarFehler& fehler) {
    if (fehler.Schritt == TDateiSchritt::Schreiben) throw EFehler(fehler.Text("Stream-Write-Fehler"));
    throw EFehler("Datei " + pfad + " kann nicht erstellt werden");
  }
}
