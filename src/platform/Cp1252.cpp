#include "platform/Cp1252.h"

#include <array>

namespace {

// The characters of the bytes 0x80 to 0x9F; the others are their own code.
constexpr std::array<char16_t, 32> Bereich80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteVon(char16_t zeichen) {
  if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<char>(zeichen);
  for (std::size_t i = 0; i < Bereich80.size(); ++i)
    if (Bereich80[i] == zeichen) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

QString VonCp1252(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text.append(QChar(b >= 0x80 && b < 0xA0 ? Bereich80[b - 0x80] : char16_t{b}));
  }
  return text;
}

std::string NachCp1252(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar zeichen = text.at(i);
    if (zeichen.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      bytes.push_back('?');  // one character outside the basic plane
      ++i;
      continue;
    }
    bytes.push_back(ByteVon(zeichen.unicode()));
  }
  return bytes;
}
