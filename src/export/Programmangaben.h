#pragma once
// The program's own particulars: who wrote it, where it lives on the web, and
// the film information site that the film lookup asks.

#include <string>

namespace Programmangaben {

inline const std::string Autor = "Jan Wagner";
inline const std::string Spitzname = "Scheibwart";

// The two people the information window names and offers to write to: the
// one who had the idea, and the author, who designed and wrote the program.
struct TKontakt {
  std::string Name;
  std::string Vorname;
  std::string Mail;
};
inline const TKontakt Ideengeber{"Lena Wagner", "Lena", "lena@scheibwart.de"};
inline const TKontakt Programmierer{Autor, "Jan", "jan@scheibwart.de"};

// What the program is written with.
inline const std::string Werkzeug = "C++ und Qt 6";

// The home page, also without its scheme as the HTML report's link title.
inline const std::string HomepageHost = "www.scheibwart.de";
inline const std::string Homepage = "https://" + HomepageHost;

// The film information site, and its search page: the encoded search text
// goes between FilmSuche and FilmSucheEnde.
inline const std::string FilmSeite = "https://www.filmportal.de";
inline const std::string FilmSeitenName = "filmportal.de";
inline const std::string FilmSuche =
    FilmSeite + "/megasuche.php4?PHPSESSID=5d0c3e7a9b1f42c68e0a7d3b6f9c2e14&wort=";
inline const std::string FilmSucheEnde = "&x=0&y=0";

}  // namespace Programmangaben
