#pragma once
// The numbers of the statistics panel and the statistics text for the
// clipboard.

#include "model/UDatbas.h"
#include "model/UIntegerWert.h"

#include <string>

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
