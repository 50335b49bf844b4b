#include "export/UHtmlReport.h"

#include "export/Programmangaben.h"

#include <cstdint>
#include <cstring>

namespace {

using Z = TZeilenZiel;  // whose functions write a line's parts in place

constexpr std::uint64_t Einsen = 0x0101010101010101;

// Not zero where one of the eight bytes is zero.
constexpr std::uint64_t Nullen(std::uint64_t bytes) { return (bytes - Einsen) & ~bytes & (Einsen * 0x80); }

// Not zero where one of the eight bytes is '"' (0x22), '&' (0x26), '<' (0x3C)
// or '>' (0x3E), the characters written as entities: the first two differ
// only in bit 2, the others only in bit 1.
constexpr std::uint64_t Sonderzeichen(std::uint64_t bytes) {
  return Nullen((bytes | Einsen * 0x04) ^ (Einsen * 0x26)) |
         Nullen((bytes | Einsen * 0x02) ^ (Einsen * 0x3E));
}

template <class TWort>
TWort Lade(const char* bytes) {
  TWort wort;
  std::memcpy(&wort, bytes, sizeof wort);
  return wort;
}
template <class TWort>
void Speichere(char* ziel, TWort wort) {
  std::memcpy(ziel, &wort, sizeof wort);
}

// Copies the text to ziel and returns whether none of its characters becomes
// an entity, both from the same loads: eight bytes at a time, the last eight
// overlapping those before; a shorter text is checked packed into one word,
// where the zero bytes that fill it are none of those characters.
[[gnu::always_inline]] inline bool OhneSonderzeichenKopiert(char* ziel, std::string_view text) {
  const char* const q = text.data();
  const std::size_t n = text.size();
  std::uint64_t treffer = 0;
  if (n >= 8) {
    for (std::size_t i = 0; i + 8 < n; i += 8) {
      const auto wort = Lade<std::uint64_t>(q + i);
      treffer |= Sonderzeichen(wort);
      Speichere(ziel + i, wort);
    }
    const auto schluss = Lade<std::uint64_t>(q + n - 8);
    treffer |= Sonderzeichen(schluss);
    Speichere(ziel + n - 8, schluss);
  } else if (n >= 4) {
    const auto anfang = Lade<std::uint32_t>(q), schluss = Lade<std::uint32_t>(q + n - 4);
    treffer = Sonderzeichen(anfang | std::uint64_t{schluss} << 32);
    Speichere(ziel, anfang);
    Speichere(ziel + n - 4, schluss);
  } else if (n > 0) {
    const auto erstes = Lade<std::uint8_t>(q), mittleres = Lade<std::uint8_t>(q + n / 2),
               letztes = Lade<std::uint8_t>(q + n - 1);
    treffer = Sonderzeichen(erstes | mittleres << 8 | letztes << 16);
    Speichere(ziel, erstes);
    Speichere(ziel + n / 2, mittleres);
    Speichere(ziel + n - 1, letztes);
  }
  return treffer == 0;
}

// The entity a character is written as, or an empty text for one that shows
// as it is.
constexpr std::string_view Entitaet(char c) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    default: return {};
  }
}

// The most bytes a character of a text becomes: "&quot;".
constexpr std::size_t Laengste = 6;

// Writes the text at ziel character by character, those that become entities
// as these, and returns the position after it.
char* MitEntitaeten(char* ziel, std::string_view text) {
  for (const char c : text) {
    const std::string_view entitaet = Entitaet(c);
    if (entitaet.empty())
      *ziel++ = c;
    else
      ziel = Z::Kopiere(ziel, entitaet);
  }
  return ziel;
}

// Writes the text at ziel as it is to show on the page and returns the
// position after it; ziel has room for Laengste bytes per character. Most
// texts have none of the characters that become entities and stay as they
// were copied; the others are written again. Compiled into each field's place
// in a row, with the check, which the fixed parts around it then join.
[[gnu::always_inline]] inline char* HtmlText(char* ziel, std::string_view text) {
  if (OhneSonderzeichenKopiert(ziel, text)) return ziel + text.size();
  return MitEntitaeten(ziel, text);
}

// The same for a text of any length, in pieces that fit the room.
void HtmlText(TZeilenZiel& zeilen, std::string_view text) {
  constexpr std::size_t Stueck = Z::MaxRaum / Laengste;
  for (std::size_t anfang = 0; anfang < text.size(); anfang += Stueck) {
    const std::string_view stueck = text.substr(anfang, Stueck);
    zeilen.Bis(HtmlText(zeilen.Raum(Laengste * stueck.size()), stueck));
  }
}

void Kopf(TZeilenZiel& zeilen) {
  const std::string strich = "    <!-- " + std::string(76, '-') + " -->";
  const std::string adresse = "  [ " + Programmangaben::Homepage + " ]  -->";
  zeilen.Zeilen({
      "<html>",
      strich,
      "    <!-- This file was done with:         Scheibwart v0.1b" + adresse,
      "    <!-- Diese Datei wurde erstellt mit:  Scheibwart v0.1b" + adresse,
      strich,
      " <head>",
      "  <title>Scheibwart-Liste</title>",
      " </head>",
      " ",
      " <style type=\"text/css\">",
      " <!-- A:link     { text-decoration: none;  font-family: Verdana;  font-size: x-small;  color: #FFFFFF; }",
      "      A:visited  { text-decoration: none;  font-family: Verdana;  font-size: x-small;  color: #FFFFFF; }",
      "      A:active   { text-decoration: none;  font-family: Verdana;  font-size: x-small;  color: #FFFF00; background: #000000; }",
      "      A:hover    { text-decoration: none;  font-family: Verdana;  font-size: x-small;  color: #FFFF00; font weight: bold; }",
      "      td         { text-decoration: none;  font-family: Verdana;  font-size: x-small;  color: #15C5F5; }",
      "      table      { text-decoration: none;  font-family: Verdana;  font-size: x-small;  color: #15C5F5; }",
      "      body       { background=\"#101060\";",
      "                   text-decoration: none;  font-family: Verdana;  font-size: x-small;  color: #15C5F5;",
      "                   scrollbar-base-color:     #102070;             scrollbar-track-color:      #192979;",
      "                   scrollbar-face-color:     #102070;             scrollbar-highlight-color:  #253585;",
      "                   scrollbar-3d-light-color: #253585;             scrollbar-darkshadow-color: #000858;",
      "                   scrollbar-shadow-color:   #000858;             scrollbar-arrow-color:      #AFDFFF; } -->  </style>",
      "<body bgcolor=\"#101060\">",
      "<center>",
      "<br>",
      " [ <a href=\"javascript:window.close()\">Fenster schliessen</a> ]<br>",
      " [ <a href=\"#ende\" title=\"zum Ende der Seite\">nach unten</a> ]",
      "<br>",
      "<br>",
      " ",
      " ",
      "<table width=980 border=0><tr><td>",
      " ",
      " ",
  });
}

void Fuss(TZeilenZiel& zeilen) {
  zeilen.Zeilen({
      " ",
      "</table><br>",
      " ",
      " ",
      " <table><tr><td>",
      "    Diese CD-Sammlung wurde erstellt mit: ",
      "    Scheibwart v0.1b",
      "    [ by <a href=\"" + Programmangaben::Homepage + "\" target=\"_blank\" title=\"" +
          Programmangaben::HomepageHost + "\">" + Programmangaben::Autor + " (" +
          Programmangaben::Spitzname + ")</a> ]<br>",
      " </td></tr></table>",
      "<br>",
      " [ <a href=\"#top\" title=\"zum Anfang der Seite\">nach oben</a> ]<br>",
      " [ <a href=\"javascript:window.close()\">Fenster schliessen</a> ]",
      "</center><br>",
      "<a name=\"ende\"></a>",
      "<br>",
      "<table><tr><td>",
      " <font size=\"-2\">",
      " Die Ansicht dieser Seite wurde f&uuml;r folgende Einstellungen optimiert: <br>",
      " <u>Browser</u>:&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Internet Explorer (ab 4.x), Opera (ab 4.x)<br>",
      " <u>Aufl&ouml;sung</u>:&nbsp;&nbsp;1024*768 Pixel",
      " </font>",
      "</td></tr></table>",
      "<br>",
      "</body>",
      "</html>",
  });
}

const std::string TabellenStart =
    " <table width=985 border=1 cellspacing=1 cellpadding=1 bordercolorlight=\"#102070\" "
    "bordercolordark=\"#100050\">";
const std::string TabellenEnde = "</table><br><br><br>";

// A record's row at p, returning the position after it: its number, its name
// and a cell per further field, the placeholder cell for an empty one. It
// takes at most MaxZeile bytes.
template <class TRec>
char* Tabellenzeile(char* p, std::size_t n, const TRec& satz) {
  const auto felder = Felder(satz);
  p = Z::Kopiere(p, " <tr><td>");
  p = Z::Zahl(p, n);
  p = Z::Kopiere(p, "</td><td>");
  p = HtmlText(p, *felder[0]);
  p = Z::Kopiere(p, "</td>");
#pragma GCC unroll 8  // a branch of its own for each field, which has its own habits
  for (std::size_t i = 1; i < felder.size(); ++i) {
    if (felder[i]->empty()) {
      p = Z::Kopiere(p, "     <td>&nbsp;</td>");
      continue;
    }
    p = Z::Kopiere(p, "<td>");
    p = HtmlText(p, *felder[i]);
    p = Z::Kopiere(p, "</td>");
  }
  p = Z::Kopiere(p, "     </td></tr> ");
  return Z::Zeilenende(p);
}
constexpr std::size_t MaxZeile = 60 + 5 * (Laengste * TShortString::MaxLaenge + 20);
static_assert(MaxZeile <= Z::MaxRaum);

// A table of films or games: the header row with "#" and the column names, an
// empty row, and a row per record with its number, its name and a cell per
// further field; an empty field gets the placeholder cell.
template <class TRec>
void SammlungsTabelle(TZeilenZiel& zeilen, const std::string& ueberschrift,
                      const std::vector<std::string>& spalten, const TSatzfolge<TRec>& saetze) {
  zeilen.Zeile(ueberschrift);
  zeilen.Zeile(TabellenStart);
  zeilen.Zeile(" <tr>");
  zeilen.Zeile("     <td width=\"40\"><b>#</b></td> ");
  for (const std::string& spalte : spalten) zeilen.Zeile("     <td><b>" + spalte + "</b></td>");
  zeilen.Zeile(" </tr>");
  std::string leer = " <tr>";
  for (std::size_t i = 0; i <= spalten.size(); ++i) leer += "<td>&nbsp;</td>";
  zeilen.Zeile(leer + "</tr>");

  std::size_t n = 0;
  for (const TRec& satz : saetze) zeilen.Bis(Tabellenzeile(zeilen.Raum(MaxZeile), ++n, satz));
  zeilen.Zeile(TabellenEnde);
}

// A table of a wish list or the lending list: a row per entry, its number and
// its text, left open for the next row or the table's end to close.
void ListenTabelle(TZeilenZiel& zeilen, const std::string& ueberschrift,
                   const std::vector<std::string>& eintraege) {
  zeilen.Zeile(ueberschrift);
  zeilen.Zeile(TabellenStart);
  for (std::size_t n = 1; n <= eintraege.size(); ++n) {
    zeilen.Text(" <tr><td width=\"40\">");
    zeilen.Bis(Z::Zahl(zeilen.Raum(20), n));
    zeilen.Text("</td><td>");
    HtmlText(zeilen, eintraege[n - 1]);
    zeilen.Zeilenende();
  }
  zeilen.Zeile(TabellenEnde);
}

}  // namespace

void HtmlZeilen(const TExportQuelle& quelle, TZeilenZiel& zeilen) {
  Kopf(zeilen);
  if (quelle.FilmeSichtbar)
    SammlungsTabelle(zeilen, "<center><b><u>Filme :</u></b><br><br>",
                     {"Film", "CD-Anzahl", "CD-Format", "Genre", "Kommentar"},
                     quelle.DatBas.Filme());
  if (!quelle.FilmWuensche.empty())
    ListenTabelle(zeilen, "<b><u>Wunschfilme :</u></b><br><br>", quelle.FilmWuensche);
  if (quelle.SpieleSichtbar)
    SammlungsTabelle(zeilen, "<b><u>Spiele :</u></b><br><br>",
                     {"Spiel", "CD-Anzahl", "Genre", "Kommentar"}, quelle.DatBas.Spiele());
  if (!quelle.SpielWuensche.empty())
    ListenTabelle(zeilen, "<b><u>Wunschspiele :</u></b><br><br>", quelle.SpielWuensche);
  if (!quelle.Verleih.empty())
    ListenTabelle(zeilen, "<b><u>Verliehen :</u></b><br><br>", quelle.Verleih);
  Fuss(zeilen);
}
