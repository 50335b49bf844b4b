// The list box lines of films and games.

#include "model/UZeilentext.h"

#include <gtest/gtest.h>

TEST(UZeilentext, FilmUndSpielZeile) {
  EXPECT_EQ(FilmRowText("Alien", "2", "DivX 5.x"), "Alien  ( 2 * DivX 5.x )");
  EXPECT_EQ(FilmRowText("Name", "", ""), "Name  (  *  )");
  EXPECT_EQ(FilmRowText(TFilmRec{"M\xFC" "nchhausen", "1", "SVCD", "Kom\xF6" "die", "egal"}),
            "M\xFC" "nchhausen  ( 1 * SVCD )");
  EXPECT_EQ(SpielRowText("Doom", "Shooter"), "Doom  ( Shooter )");
  EXPECT_EQ(SpielRowText(TSpielRec{"", "3", "", "egal"}), "  (  )");
}
