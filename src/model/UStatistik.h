#pragma once
// The numbers of the statistics panel and the statistics text for the
// clipboard.

#include "model/UDatbas.h"

#include <cstdint>
#include <optional>
#include <string>

// The value of a 32-bit integer text: leading spaces, then either an optional
// sign and decimal digits within the 32-bit range, or without a sign 1 to 8
// hexadecimal digits after "$", "x", "X", "0x" or "0X", taken as two's
// complement ("$FFFFFFFF" is -1). Anything else, trailing blanks included,
// gives nullopt.
std::optional<std::int32_t> IntegerWert(const std::string& text);

// true when the whole text is a 32-bit signed integer as IntegerWert reads it.
bool IsValidInteger(const std::string& text);

// The line counts of the list boxes LBFilme, LBSpiele, LBFilmeW, LBSpieleW
// and LBVerleih.
struct TListenZahlen {
  int Filme;
  int Spiele;
  int FilmWuensche;
  int SpielWuensche;
  int Verleih;
};

struct TStatistikLabels {
  std::string LSF, LSFW, LSS, LSSW, LSV;
};

// LSF and LSS read "<lines> (<CDs> CDs)", the others the plain line count.
TStatistikLabels StatistikLabels(const TDatBas& datBas, const TListenZahlen& zahlen);

// The eleven lines for the clipboard, each ended by CR LF, in code page 1252.
std::string StatistikText(const TDatBas& datBas, const TListenZahlen& zahlen);
