#include "model/UStatistik.h"

#include <algorithm>

namespace {

struct TCDSummen {
  std::int64_t Panel = 0;
  std::int64_t Zwischenablage = 0;
};

// The CD totals of the films or of the games. A count that is no integer adds
// one CD on the panel and none in the clipboard text; neither total is less
// than the number of records.
TCDSummen CDSummen(const TCDZaehlung& zaehlung, int anzahl) {
  return {std::max<std::int64_t>(zaehlung.Summe + zaehlung.OhneZahl, anzahl),
          std::max<std::int64_t>(zaehlung.Summe, anzahl)};
}

std::string MitCDs(int zeilen, std::int64_t cds) {
  return std::to_string(zeilen) + " (" + std::to_string(cds) + " CDs)";
}

}  // namespace

TStatistikLabels StatistikLabels(const TDatBas& datBas, const TListenZahlen& zahlen) {
  return {MitCDs(zahlen.Filme, CDSummen(datBas.FilmCDs(), datBas.FilmCount()).Panel),
          std::to_string(zahlen.FilmWuensche),
          MitCDs(zahlen.Spiele, CDSummen(datBas.SpielCDs(), datBas.SpielCount()).Panel),
          std::to_string(zahlen.SpielWuensche),
          std::to_string(zahlen.Verleih)};
}

std::string StatistikText(const TDatBas& datBas, const TListenZahlen& zahlen) {
  const std::string befinden = "Es befinden sich ";
  const std::string eintraege = " Eintr\xE4" "ge in Ihrer ";
  const std::string filmCDs = std::to_string(CDSummen(datBas.FilmCDs(), datBas.FilmCount()).Zwischenablage);
  const std::string spielCDs = std::to_string(CDSummen(datBas.SpielCDs(), datBas.SpielCount()).Zwischenablage);
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
