#include "widgets/Dateinamen.h"

#include <sys/stat.h>

namespace {

constexpr char16_t Erstes = 0xDC80;  // the lone surrogate that stands for byte 0x80

bool IstFolgebyte(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// The length of the valid UTF-8 sequence at the start of rest, 0 when there
// is none: no overlong forms, no encoded surrogates, nothing above U+10FFFF.
std::size_t GueltigeLaenge(std::string_view rest) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
  const unsigned char erstes = b(0);
  if (erstes < 0x80) return 1;
  std::size_t laenge = 0;
  unsigned char min = 0x80, max = 0xBF;  // the range of the second byte
  if (erstes >= 0xC2 && erstes <= 0xDF) {
    laenge = 2;
  } else if (erstes >= 0xE0 && erstes <= 0xEF) {
    laenge = 3;
    if (erstes == 0xE0) min = 0xA0;
    if (erstes == 0xED) max = 0x9F;
  } else if (erstes >= 0xF0 && erstes <= 0xF4) {
    laenge = 4;
    if (erstes == 0xF0) min = 0x90;
    if (erstes == 0xF4) max = 0x8F;
  } else {
    return 0;
  }
  if (rest.size() < laenge || b(1) < min || b(1) > max) return 0;
  for (std::size_t i = 2; i < laenge; ++i)
    if (!IstFolgebyte(b(i))) return 0;
  return laenge;
}

bool IstHoch(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IstTief(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

QString DateinameText(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  while (!bytes.empty()) {
    const std::size_t laenge = GueltigeLaenge(bytes);
    if (laenge == 0) {
      text += QChar(static_cast<char16_t>(Erstes - 0x80 + static_cast<unsigned char>(bytes.front())));
      bytes.remove_prefix(1);
    } else {
      text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(laenge));
      bytes.remove_prefix(laenge);
    }
  }
  return text;
}

std::string DateinameBytes(const QString& pfad) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(pfad.size()));
  qsizetype anfang = 0;  // the start of the text not yet turned into bytes
  const auto uebernimm = [&](qsizetype bis) {
    bytes += QStringView(pfad).mid(anfang, bis - anfang).toUtf8().toStdString();
  };
  for (qsizetype i = 0; i < pfad.size(); ++i) {
    const char16_t c = pfad[i].unicode();
    if (IstHoch(c) && i + 1 < pfad.size() && IstTief(pfad[i + 1].unicode())) {
      ++i;  // a pair, whatever its second half
    } else if (c >= Erstes && c <= Erstes + 0x7F) {
      uebernimm(i);
      bytes += static_cast<char>(c - Erstes + 0x80);
      anfang = i + 1;
    }
  }
  uebernimm(pfad.size());
  return bytes;
}

QString DateinameAnzeige(const QString& pfad) {
  const std::string bytes = DateinameBytes(pfad);
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IstDatei(const QString& pfad) {
  struct stat status {};
  return stat(DateinameBytes(pfad).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}
