#include "export/UHtmlReport.h"

#include "export/Programmangaben.h"

namespace {

// Appends the text as it is to show on the page.
void HaengeHtmlAn(std::string& html, const std::string& text) {
  for (const char c : text) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      default: html += c;
    }
  }
}

std::string Html(const std::string& text) {
  std::string html;
  HaengeHtmlAn(html, text);
  return html;
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

  std::string zeile;  // reused for every row
  for (std::size_t n = 1; n <= saetze.size(); ++n) {
    const auto felder = Felder(saetze[n - 1]);
    zeile.assign(" <tr><td>").append(std::to_string(n)).append("</td><td>");
    HaengeHtmlAn(zeile, *felder[0]);
    zeile += "</td>";
    for (std::size_t i = 1; i < felder.size(); ++i) {
      if (felder[i]->empty()) {
        zeile += "     <td>&nbsp;</td>";
        continue;
      }
      zeile += "<td>";
      HaengeHtmlAn(zeile, *felder[i]);
      zeile += "</td>";
    }
    zeile += "     </td></tr> ";
    zeilen.Zeile(zeile);
  }
  zeilen.Zeile(TabellenEnde);
}

// A table of a wish list or the lending list: a row per entry, its number and
// its text, left open for the next row or the table's end to close.
void ListenTabelle(TZeilenZiel& zeilen, const std::string& ueberschrift,
                   const std::vector<std::string>& eintraege) {
  zeilen.Zeile(ueberschrift);
  zeilen.Zeile(TabellenStart);
  for (std::size_t n = 1; n <= eintraege.size(); ++n)
    zeilen.Zeile(" <tr><td width=\"40\">" + std::to_string(n) + "</td><td>" +
                     Html(eintraege[n - 1]));
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
