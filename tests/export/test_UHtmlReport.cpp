// The HTML report: the page's fixed lines, the tables that appear, their rows,
// and data that shows as typed.

#include "export/UHtmlReport.h"
#include "export/Zeilenvergleich.h"

#include <gtest/gtest.h>

namespace {

TZeilen Kopf() {
  return {
      "<html>",
      "    <!-- ---------------------------------------------------------------------------- -->",
      "    <!-- This file was done with:         Scheibwart v0.1b  [ https://www.scheibwart.de ]  -->",
      "    <!-- Diese Datei wurde erstellt mit:  Scheibwart v0.1b  [ https://www.scheibwart.de ]  -->",
      "    <!-- ---------------------------------------------------------------------------- -->",
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
  };
}

TZeilen Fuss() {
  return {
      " ",
      "</table><br>",
      " ",
      " ",
      " <table><tr><td>",
      "    Diese CD-Sammlung wurde erstellt mit: ",
      "    Scheibwart v0.1b",
      "    [ by <a href=\"https://www.scheibwart.de\" target=\"_blank\" title=\"www.scheibwart.de\">"
      "Jan Wagner (Scheibwart)</a> ]<br>",
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
  };
}

const std::string Start =
    " <table width=985 border=1 cellspacing=1 cellpadding=1 bordercolorlight=\"#102070\" "
    "bordercolordark=\"#100050\">";
const std::string Ende = "</table><br><br><br>";
const std::string Leer = "     <td>&nbsp;</td>";

TZeilen FilmTabellenkopf() {
  return {"<center><b><u>Filme :</u></b><br><br>",
          Start,
          " <tr>",
          "     <td width=\"40\"><b>#</b></td> ",
          "     <td><b>Film</b></td>",
          "     <td><b>CD-Anzahl</b></td>",
          "     <td><b>CD-Format</b></td>",
          "     <td><b>Genre</b></td>",
          "     <td><b>Kommentar</b></td>",
          " </tr>",
          " <tr><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>"
          "<td>&nbsp;</td></tr>"};
}

TEST(UHtmlReport, GanzeSeite) {
  TDatBas db;
  db.AddFilm({"Matrix", "2", "DVD", "Science-Fiction", "Klassiker"});
  db.AddFilm({"Stummfilm", "", "", "", ""});
  db.AddSpiel({"Siedler", "3", "", "mit Handbuch"});
  const TExportQuelle quelle{db, true, true, {"Die Br\xFC" "cke"}, {"Anno 1602", "Myst"},
                             {"Matrix an Peter", "Siedler an Anna"}};

  // Every table counts its rows from 1; empty fields get the placeholder cell,
  // and the wish and lending rows stay open.
  VergleicheZeilen(
      Gesammelt(HtmlZeilen, quelle),
      Folge({Kopf(),
             FilmTabellenkopf(),
             {" <tr><td>1</td><td>Matrix</td><td>2</td><td>DVD</td><td>Science-Fiction</td>"
              "<td>Klassiker</td>     </td></tr> ",
              " <tr><td>2</td><td>Stummfilm</td>" + Leer + Leer + Leer + Leer + "     </td></tr> ",
              Ende,
              "<b><u>Wunschfilme :</u></b><br><br>",
              Start,
              " <tr><td width=\"40\">1</td><td>Die Br\xFC" "cke",
              Ende,
              "<b><u>Spiele :</u></b><br><br>",
              Start,
              " <tr>",
              "     <td width=\"40\"><b>#</b></td> ",
              "     <td><b>Spiel</b></td>",
              "     <td><b>CD-Anzahl</b></td>",
              "     <td><b>Genre</b></td>",
              "     <td><b>Kommentar</b></td>",
              " </tr>",
              " <tr><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>",
              " <tr><td>1</td><td>Siedler</td><td>3</td>" + Leer + "<td>mit Handbuch</td>     </td></tr> ",
              Ende,
              "<b><u>Wunschspiele :</u></b><br><br>",
              Start,
              " <tr><td width=\"40\">1</td><td>Anno 1602",
              " <tr><td width=\"40\">2</td><td>Myst",
              Ende,
              "<b><u>Verliehen :</u></b><br><br>",
              Start,
              " <tr><td width=\"40\">1</td><td>Matrix an Peter",
              " <tr><td width=\"40\">2</td><td>Siedler an Anna",
              Ende},
             Fuss()}));
}

TEST(UHtmlReport, NurFilmwuensche) {
  TDatBas db;
  VergleicheZeilen(Gesammelt(HtmlZeilen, TExportQuelle{db, false, false, {"Alien", "Brazil"}, {}, {}}),
                   Folge({Kopf(),
                          {"<b><u>Wunschfilme :</u></b><br><br>", Start,
                           " <tr><td width=\"40\">1</td><td>Alien",
                           " <tr><td width=\"40\">2</td><td>Brazil", Ende},
                          Fuss()}));
}

// Markup characters in the data show as themselves; a field of nothing but
// such a character is no empty field.
TEST(UHtmlReport, DatenWerdenMaskiert) {
  TDatBas db;
  db.AddFilm({"Tom & Jerry", "<2>", "", "\"Zeichentrick\"", "&"});
  db.AddFilm({"", "1", "", "", ""});
  VergleicheZeilen(
      Gesammelt(HtmlZeilen, TExportQuelle{db, true, false, {}, {}, {"<Untitled> an \"Max\" & Co"}}),
      Folge({Kopf(),
             FilmTabellenkopf(),
             {" <tr><td>1</td><td>Tom &amp; Jerry</td><td>&lt;2&gt;</td>" + Leer +
                  "<td>&quot;Zeichentrick&quot;</td><td>&amp;</td>     </td></tr> ",
              " <tr><td>2</td><td></td><td>1</td>" + Leer + Leer + Leer + "     </td></tr> ",
              Ende,
              "<b><u>Verliehen :</u></b><br><br>",
              Start,
              " <tr><td width=\"40\">1</td><td>&lt;Untitled&gt; an &quot;Max&quot; &amp; Co",
              Ende},
             Fuss()}));
}

// A list entry longer than any field shows whole, every character of it.
TEST(UHtmlReport, LangerEintrag) {
  std::string eintrag, html;
  for (int i = 0; i < 5000; ++i) {
    eintrag += "&x";
    html += "&amp;x";
  }
  TDatBas db;
  VergleicheZeilen(Gesammelt(HtmlZeilen, TExportQuelle{db, false, false, {}, {}, {eintrag}}),
                   Folge({Kopf(),
                          {"<b><u>Verliehen :</u></b><br><br>", Start,
                           " <tr><td width=\"40\">1</td><td>" + html, Ende},
                          Fuss()}));
}

// A markup character shows as itself whatever the length of its text and
// wherever it stands, among characters that differ from one of them in a
// single bit and show as they are.
TEST(UHtmlReport, MaskiertAnJederStelle) {
  const std::string nachbarn = "'$.6f\xA6=84,|\xBC?:~\xBE#*2b\xA2";
  const std::pair<char, std::string> markup[] = {
      {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}};
  TDatBas db;
  TZeilen soll = Folge({Kopf(), FilmTabellenkopf()});
  const auto film = [&](const std::string& name, const std::string& html) {
    db.AddFilm({name, "1", "", "", ""});
    soll.push_back(" <tr><td>" + std::to_string(db.FilmCount()) + "</td><td>" + html + "</td><td>1</td>" +
                   Leer + Leer + Leer + "     </td></tr> ");
  };
  for (std::size_t laenge = 1; laenge <= 20; ++laenge) {
    const std::string ohne = (nachbarn + nachbarn).substr(laenge % nachbarn.size(), laenge);
    film(ohne, ohne);
    for (std::size_t stelle = 0; stelle < laenge; ++stelle)
      for (const auto& [zeichen, entitaet] : markup)
        film(ohne.substr(0, stelle) + zeichen + ohne.substr(stelle + 1),
             ohne.substr(0, stelle) + entitaet + ohne.substr(stelle + 1));
  }
  soll.push_back(Ende);
  VergleicheZeilen(Gesammelt(HtmlZeilen, TExportQuelle{db, true, false, {}, {}, {}}), Folge({soll, Fuss()}));
}

}  // namespace
