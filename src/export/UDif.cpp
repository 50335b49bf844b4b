#include "export/UDif.h"

#include "export/Programmangaben.h"

namespace {

// A quoted blank: a bare blank would leave the cell unread.
const std::string Leerzelle = "\" \"";

std::string InAnfuehrung(const std::string& text) { return "\"" + text + "\""; }

void Kopfeintrag(TZeilenZiel& zeilen, const std::string& name, int zahl, const std::string& text) {
  zeilen.Zeilen({name, "0," + std::to_string(zahl), text});
}

using Z = TZeilenZiel;  // whose functions write a line's parts in place

// The lines that begin a row of the table: at p, returning the position after
// them, or to zeilen.
char* NeueZeile(char* p) {
  p = Z::Zeilenende(Z::Kopiere(p, "-1,0"));
  return Z::Zeilenende(Z::Kopiere(p, "BOT"));
}
void NeueZeile(TZeilenZiel& zeilen) { zeilen.Bis(NeueZeile(zeilen.Raum(11))); }

void Zelle(TZeilenZiel& zeilen, const std::string& wertzeile) { zeilen.Zeilen({"1,0", wertzeile}); }

// A record value at p, returning the position after it: with a blank before
// the closing quote, also when empty.
char* Wertzellenanfang(char* p) { return Z::Kopiere(Z::Zeilenende(Z::Kopiere(p, "1,0")), "\""); }
char* Wertzellenende(char* p) { return Z::Zeilenende(Z::Kopiere(p, " \"")); }
char* Wertzelle(char* p, std::string_view wert) {
  return Wertzellenende(Z::Kopiere(Wertzellenanfang(p), wert));
}
char* Wertzelle(char* p, std::size_t zahl) { return Wertzellenende(Z::Zahl(Wertzellenanfang(p), zahl)); }

// A record's row at p, returning the position after it: its number and its
// fields, at most MaxSatz bytes.
template <class TRec>
char* Satzzeile(char* p, std::size_t n, const TRec& satz) {
  p = Wertzelle(NeueZeile(p), n);
#pragma GCC unroll 8  // the fixed parts between the fields copied as what they are
  for (const std::string* feld : Felder(satz)) p = Wertzelle(p, *feld);
  return p;
}
constexpr std::size_t MaxSatz = 6 * (20 + TShortString::MaxLaenge);
static_assert(MaxSatz <= TZeilenZiel::MaxRaum);

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

  std::size_t n = 0;
  for (const TRec& satz : saetze) zeilen.Bis(Satzzeile(zeilen.Raum(MaxSatz), ++n, satz));

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
