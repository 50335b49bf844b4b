// Gathered cell texts reach the sheet in blocks that hold every cell put,
// each once and with its last text, whatever the order of the puts.

#include "office/Zellpuffer.h"

#include <gtest/gtest.h>

using Texte = std::vector<std::string>;

TEST(Zellpuffer, BloeckeJeSpalteOhneLuecke) {
  TZellpuffer puffer;
  for (int zeile = 1; zeile <= 3; ++zeile)  // row by row, unlike the export
    for (int spalte = 1; spalte <= 2; ++spalte)
      puffer.Setze(zeile, spalte, std::to_string(zeile) + "/" + std::to_string(spalte));
  puffer.Setze(6, 2, "nach einer L\xFC" "cke");
  puffer.Setze(2, 1, "");  // put again, and empty
  EXPECT_EQ(puffer.Anzahl(), 7u);

  const auto bloecke = puffer.Entnimm();
  ASSERT_EQ(bloecke.size(), 3u);
  EXPECT_EQ(std::make_pair(bloecke[0].Spalte, bloecke[0].ErsteZeile), std::make_pair(1, 1));
  EXPECT_EQ(bloecke[0].Texte, (Texte{"1/1", "", "3/1"}));
  EXPECT_EQ(std::make_pair(bloecke[1].Spalte, bloecke[1].ErsteZeile), std::make_pair(2, 1));
  EXPECT_EQ(bloecke[1].Texte, (Texte{"1/2", "2/2", "3/2"}));
  EXPECT_EQ(std::make_pair(bloecke[2].Spalte, bloecke[2].ErsteZeile), std::make_pair(2, 6));
  EXPECT_EQ(bloecke[2].Texte, Texte{"nach einer L\xFC" "cke"});
  EXPECT_EQ(puffer.Anzahl(), 0u);
  EXPECT_TRUE(puffer.Entnimm().empty());
}
