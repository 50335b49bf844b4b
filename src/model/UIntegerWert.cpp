#include "model/UIntegerWert.h"

#include <string_view>

namespace {

int HexZiffer(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> HexWert(std::string_view ziffern) {
  if (ziffern.empty() || ziffern.size() > 8) return std::nullopt;
  std::uint32_t wert = 0;
  for (char c : ziffern) {
    const int ziffer = HexZiffer(c);
    if (ziffer < 0) return std::nullopt;
    wert = wert * 16 + static_cast<std::uint32_t>(ziffer);
  }
  return static_cast<std::int32_t>(wert);
}

std::optional<std::int32_t> DezimalWert(std::string_view text) {
  bool negativ = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negativ = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t betrag = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    betrag = betrag * 10 + (c - '0');
    if (betrag > 2147483648) return std::nullopt;  // out of range, however long
  }
  const std::int64_t wert = negativ ? -betrag : betrag;
  if (wert > 2147483647) return std::nullopt;
  return static_cast<std::int32_t>(wert);
}

}  // namespace

std::optional<std::int32_t> IntegerWert(const std::string& text) {
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X'))
    return HexWert(rest.substr(1));
  if (rest.starts_with("0x") || rest.starts_with("0X")) return HexWert(rest.substr(2));
  return DezimalWert(rest);
}

bool IsValidInteger(const std::string& text) { return IntegerWert(text).has_value(); }
