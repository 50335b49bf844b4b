#include "widgets/Cp1252.h"

#include "platform/Cp1252Utf8.h"

namespace {

char ByteVon(char16_t zeichen) {
  if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<char>(zeichen);
  for (int b = 0x80; b < 0xA0; ++b)
    if (Cp1252Zeichen(static_cast<unsigned char>(b)) == zeichen) return static_cast<char>(b);
  return '?';
}

}  // namespace

QString VonCp1252(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) text.append(QChar(Cp1252Zeichen(static_cast<unsigned char>(c))));
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
