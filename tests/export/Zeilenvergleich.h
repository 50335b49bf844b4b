#pragma once
// Comparing the lines an export builds with the lines it ought to build.

#include "export/UExportQuelle.h"
#include "export/UZeilendatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

using TZeilen = std::vector<std::string>;

// The lines of what an export writes, each of which must end with CR LF.
inline TZeilen InZeilen(std::string_view text) {
  TZeilen zeilen;
  std::size_t anfang = 0;
  for (std::size_t ende; (ende = text.find("\r\n", anfang)) != std::string_view::npos; anfang = ende + 2)
    zeilen.emplace_back(text.substr(anfang, ende - anfang));
  EXPECT_EQ(anfang, text.size()) << "Rest ohne CR LF";
  return zeilen;
}

// Keeps what an export writes.
class TZeilenSammler final : public TZeilenZiel {
public:
  TZeilenSammler() { Pos = Ende = Puffer.data(); }
  TZeilen Zeilen() const { return InZeilen({Puffer.data(), Pos}); }

private:
  void Weiter(std::size_t anzahl) override {
    const std::size_t belegt = static_cast<std::size_t>(Pos - Puffer.data());
    Puffer.resize(std::max(2 * Puffer.size(), belegt + anzahl));
    Pos = Puffer.data() + belegt;
    Ende = Puffer.data() + Puffer.size();
  }
  std::string Puffer;
};

// The lines of a report of the collection or of the store.
inline TZeilen Gesammelt(void (*bauer)(const TExportQuelle&, TZeilenZiel&), const TExportQuelle& quelle) {
  TZeilenSammler sammler;
  bauer(quelle, sammler);
  return sammler.Zeilen();
}
inline TZeilen Gesammelt(void (*bauer)(const TDatBas&, TZeilenZiel&), const TDatBas& datBas) {
  TZeilenSammler sammler;
  bauer(datBas, sammler);
  return sammler.Zeilen();
}

// A builder that gives these lines.
inline std::function<void(TZeilenZiel&)> AlsBauer(const TZeilen& zeilen) {
  return [zeilen](TZeilenZiel& ziel) {
    for (const std::string& zeile : zeilen) ziel.Zeile(zeile);
  };
}

// The parts one after the other.
inline TZeilen Folge(std::initializer_list<TZeilen> teile) {
  TZeilen zeilen;
  for (const TZeilen& teil : teile) zeilen.insert(zeilen.end(), teil.begin(), teil.end());
  return zeilen;
}

// Line by line, so that a failure names the lines that differ.
inline void VergleicheZeilen(const TZeilen& ist, const TZeilen& soll) {
  EXPECT_EQ(ist.size(), soll.size());
  for (std::size_t i = 0; i < std::min(ist.size(), soll.size()); ++i)
    EXPECT_EQ(ist[i], soll[i]) << "Zeile " << i + 1;
}
