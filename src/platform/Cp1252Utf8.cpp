#include "platform/Cp1252Utf8.h"

#include <array>

namespace {

// The characters of the bytes 0x80 to 0x9F; the others are their own code.
constexpr std::array<char16_t, 32> Bereich80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every character of the code page lies in the basic plane, below 0x10000.
void HaengeAn(std::string& utf8, char16_t zeichen) {
  if (zeichen < 0x80) {
    utf8 += static_cast<char>(zeichen);
  } else if (zeichen < 0x800) {
    utf8 += static_cast<char>(0xC0 | (zeichen >> 6));
    utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
  } else {
    utf8 += static_cast<char>(0xE0 | (zeichen >> 12));
    utf8 += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
  }
}

}  // namespace

char16_t Cp1252Zeichen(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? Bereich80[byte - 0x80] : char16_t{byte};
}

std::string Utf8VonCp1252(const std::string& bytes) {
  std::string utf8;
  for (const char c : bytes) HaengeAn(utf8, Cp1252Zeichen(static_cast<unsigned char>(c)));
  return utf8;
}
