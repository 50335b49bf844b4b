#include "office/Zellpuffer.h"

void TZellpuffer::Setze(std::int32_t zeile, std::int32_t spalte, std::string text) {
  Zellen[{spalte, zeile}] = std::move(text);
}

std::vector<TZellblock> TZellpuffer::Entnimm() {
  std::vector<TZellblock> bloecke;
  for (auto& [stelle, text] : Zellen) {
    const auto [spalte, zeile] = stelle;
    const bool schliesstAn =
        !bloecke.empty() && bloecke.back().Spalte == spalte &&
        bloecke.back().ErsteZeile + static_cast<std::int64_t>(bloecke.back().Texte.size()) == zeile;
    if (!schliesstAn) bloecke.push_back({spalte, zeile, {}});
    bloecke.back().Texte.push_back(std::move(text));
  }
  Zellen.clear();
  return bloecke;
}
