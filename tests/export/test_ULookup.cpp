// The lookup address: the search text in UTF-8, percent-encoded.

#include "export/ULookup.h"
#include "platform/Cp1252Utf8.h"

#include <gtest/gtest.h>

namespace {

const std::string Suche =
    "https://www.filmportal.de/megasuche.php4?PHPSESSID=5d0c3e7a9b1f42c68e0a7d3b6f9c2e14&wort=";
const std::string Ende = "&x=0&y=0";

TEST(ULookup, SuchtextKodiert) {
  EXPECT_EQ(LookupAdresse("Die Br\xFC" "cke & Co #1?"),
            Suche + "Die%20Br%C3%BCcke%20%26%20Co%20%231%3F" + Ende);
  EXPECT_EQ(LookupAdresse(""), Suche + Ende);
  EXPECT_EQ(LookupAdresse("AZaz09-._~"), Suche + "AZaz09-._~" + Ende);
  EXPECT_EQ(LookupAdresse("+/=%\x7F\xA0\xFF"), Suche + "%2B%2F%3D%25%7F%C2%A0%C3%BF" + Ende);
  // Not trimmed, and passed on whole.
  EXPECT_EQ(LookupAdresse("  x  "), Suche + "%20%20x%20%20" + Ende);
  EXPECT_EQ(LookupAdresse(std::string(255, 'a')), Suche + std::string(255, 'a') + Ende);
}

TEST(ULookup, Cp1252NachUtf8) {
  EXPECT_EQ(Utf8VonCp1252("abc"), "abc");
  EXPECT_EQ(Utf8VonCp1252("\x80"), "\xE2\x82\xAC");      // euro sign
  EXPECT_EQ(Utf8VonCp1252("\x8A\x9F"), "\xC5\xA0\xC5\xB8");
  EXPECT_EQ(Utf8VonCp1252("\x99"), "\xE2\x84\xA2");      // trade mark sign
  EXPECT_EQ(Utf8VonCp1252("\xAF\xE4"), "\xC2\xAF\xC3\xA4");
  // The bytes the code page leaves undefined.
  EXPECT_EQ(Utf8VonCp1252("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  EXPECT_EQ(LookupAdresse("\x80\x81"), Suche + "%E2%82%AC%C2%81" + Ende);
}

}  // namespace
