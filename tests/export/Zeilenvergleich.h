#pragma once
// Comparing the lines an export builds with the lines it ought to build.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

using TZeilen = std::vector<std::string>;

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
