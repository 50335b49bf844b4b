#include "export/UDif.h"

#include "export/Programmangaben.h"

namespace {

// A quoted blank: a bare blank would leave the cell unread.
const std::string Leerzelle = "\" \"";

std::string InAnfuehrung(const std::string& text) { return "\"" + text + "\""; }

void Kopfeintrag(TZeilenZiel& zeilen, const std::string& name, int zahl, const std::string& text) {
  zeilen.Zeilen({name, "0," + std::to_string(zahl), text});
}

void NeueZeile(TZeilenZiel& zeilen) { zeilen.Zeilen({"-1,0", "BOT"}); }

void Zelle(TZeilenZiel& zeilen, const std::string& wertzeile) { zeilen.Zeilen({"1,0", wertzeile}); }

// A record value: with a blank before the closing quote, also when empty.
void Wertzelle(TZeilenZiel& zeilen, std::string_view wert) {
  zeilen.Zeile("1,0");
  zeilen.Zeile({"\"", wert, " \""});
}

// mehrzahl names the records in the title, version is the one the credit
// names.
template <class TRec>
void DifZeilen(const TSatzfolge<TRec>& saetze, const std::string& mehrzahl,
               const std::vector<std::string>& spalten, const std::string& version, TZeilenZiel& zeilen) {
  Kopfeintrag(zeilen, "TABLE", 1, InAnfuehrung("EXCEL"));
  Kopfeintrag(zeilen, "VECTORS", 18, InAnfuehrung(""));
  Kopfeintrag(zeilen, "TUPLES", 8, InAnfuehrung(""));
  Kopfeintrag(zeilen, "DATA", 0, InAnfuehrung(""));

  NeueZeile(zeilen);
  Zelle(zeilen, Leerzelle);
  Zelle(zeilen, InAnfuehrung("Die CD-Sammlung enthaelt " + std::to_string(saetze.size()) + " " +
                             mehrzahl));
  NeueZeile(zeilen);
  NeueZeile(zeilen);
  for (const std::string& spalte : spalten) Zelle(zeilen, InAnfuehrung(spalte));
  NeueZeile(zeilen);

  for (std::size_t n = 1; n <= saetze.size(); ++n) {
    NeueZeile(zeilen);
    Wertzelle(zeilen, std::to_string(n));
    for (const std::string* feld : Felder(saetze[n - 1])) Wertzelle(zeilen, *feld);
  }

  NeueZeile(zeilen);
  Zelle(zeilen, Leerzelle);
  NeueZeile(zeilen);
  Zelle(zeilen, Leerzelle);
  Zelle(zeilen, InAnfuehrung("Diese CD-Sammlung wurde erstellt mit: Scheibwart " + version +
                             "  [ " + Programmangaben::Homepage + " ]"));
  zeilen.Zeilen({"-1,0", "EOD"});
}

}  // namespace

void DifFilmZeilen(const TDatBas& datBas, TZeilenZiel& zeilen) {
  DifZeilen(datBas.Filme(), "Filme", {"Nummer", "Filmname", "CD-Anzahl", "CD-Format", "Genre", "Kommentar"},
            "v1.0", zeilen);
}

void DifSpielZeilen(const TDatBas& datBas, TZeilenZiel& zeilen) {
  DifZeilen(datBas.Spiele(), "Spiele", {"Nummer", "Spiel", "CD-Anzahl", "Genre", "Kommentar"}, "v0.2",
            zeilen);
}
