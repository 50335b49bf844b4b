#pragma once
// The program's own particulars: who wrote it, where it lives on the web, and
// the film information site that the film lookup asks.

#include <string>

namespace Programmangaben {

inline const std::string Autor = "Jan Wagner";
inline const std::string Spitzname = "Scheibwart";

// The home page, also without its scheme as the HTML report's link title.
inline const std::string HomepageHost = "www.scheibwart.de";
inline const std::string Homepage = "https://" + HomepageHost;

// The film information site, and the address of its search page, to which
// the encoded search text is appended.
inline const std::string FilmSeite = "https://www.filmportal.de";
inline const std::string FilmSuche = FilmSeite + "/suche?q=";

}  // namespace Programmangaben
