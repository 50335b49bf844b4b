#include "model/UStatistik.h"

#include <algorithm>
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

struct TCDSummen {
  std::int64_t Panel = 0;
  std::int64_t Zwischenablage = 0;
};

// The CD totals of the films or of the games. A count that is no integer adds
// one CD on the panel and none in the clipboard text; neither total is less
// than the number of records.
template <class TRec>
TCDSummen CDSummen(const std::vector<TRec>& saetze) {
  TCDSummen summen;
  const auto anzahl = static_cast<std::int64_t>(saetze.size());
  for (const TRec& rec : saetze) {
    const auto wert = IntegerWert(rec.CDAnzahl);
    summen.Panel += wert.value_or(1);
    summen.Zwischenablage += wert.value_or(0);
  }
  summen.Panel = std::max(summen.Panel, anzahl);
  summen.Zwischenablage = std::max(summen.Zwischenablage, anzahl);
  return summen;
}

std::string MitCDs(int zeilen, std::int64_t cds) {
  return std::to_string(zeilen) + " (" + std::to_string(cds) + " CDs)";
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

TStatistikLabels StatistikLabels(const TDatBas& datBas, const TListenZahlen& zahlen) {
  return {MitCDs(zahlen.Filme, CDSummen(datBas.Filme()).Panel),
          std::to_string(zahlen.FilmWuensche),
          MitCDs(zahlen.Spiele, CDSummen(datBas.Spiele()).Panel),
          std::to_string(zahlen.SpielWuensche),
          std::to_string(zahlen.Verleih)};
}

std::string StatistikText(const TDatBas& datBas, const TListenZahlen& zahlen) {
  const std::string befinden = "Es befinden sich ";
  const std::string eintraege = " Eintr\xE4" "ge in Ihrer ";
  const std::string filmCDs = std::to_string(CDSummen(datBas.Filme()).Zwischenablage);
  const std::string spielCDs = std::to_string(CDSummen(datBas.Spiele()).Zwischenablage);
  const std::string zeilen[] = {
      befinden + std::to_string(datBas.FilmCount()) + " Filme in Ihrer CD-Sammlung.",
      "Das sind insgesamt " + filmCDs + " CDs.",
      " ",
      befinden + std::to_string(datBas.SpielCount()) + " Spiele in Ihrer CD-Sammlung.",
      "Das sind insgesamt " + spielCDs + " CDs.",
      " ",
      befinden + std::to_string(zahlen.FilmWuensche) + eintraege + "Film-Wunschliste.",
      " ",
      befinden + std::to_string(zahlen.SpielWuensche) + eintraege + "Spiele-Wunschliste.",
      " ",
      befinden + std::to_string(zahlen.Verleih) + eintraege + "Verleih-Liste.",
  };
  std::string text;
  for (const std::string& zeile : zeilen) text += zeile + "\r\n";
  return text;
}
