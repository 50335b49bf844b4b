// The text report: which sections appear, and the exact lines of each.

#include "export/UTextReport.h"
#include "export/Zeilenvergleich.h"

#include <gtest/gtest.h>

namespace {

const TZeilen Abstand4{" ", " ", " ", " "};

TZeilen Fuss() {
  return {" ",
          " ",
          " __________________________________________ ",
          " Diese CD-Lite wurde mit: Scheibwart v0.1b",
          " Programmiert von: Jan Wagner [https://www.scheibwart.de ]",
          " " + std::string(57, '\xAF') + " ",
          " ",
          " "};
}

TEST(UTextReport, GanzerBericht) {
  TDatBas db;
  db.AddFilm({"Matrix", "2", "DVD", "Science-Fiction", "Klassiker"});
  db.AddFilm({"Stummfilm", "", "", "Drama", "ohne Ton"});
  db.AddSpiel({"Siedler", "3", "Strategie", "mit Handbuch"});
  const TExportQuelle quelle{db, true, true, {"Die Br\xFC" "cke"}, {"Anno 1602"},
                             {"Matrix an Peter"}};

  // Films show neither genre nor comment, games neither CD count nor comment,
  // and empty fields keep their frame.
  VergleicheZeilen(Gesammelt(TextReportZeilen, quelle),
                   Folge({{" ",
                           " Filmliste: ",
                           " ********** ",
                           " ",
                           " Matrix  ( 2 * DVD )",
                           " Stummfilm  (  *  )"},
                          Abstand4,
                          {" Filme: Wunschliste: ",
                           " ******************* ",
                           " ",
                           " Die Br\xFC" "cke"},
                          Abstand4,
                          {" Spieleliste: ",
                           " ************ ",
                           " ",
                           " Siedler  ( Strategie )"},
                          Abstand4,
                          {" Spiele: Wunschliste: ",
                           " ******************** ",
                           " ",
                           " Anno 1602"},
                          Abstand4,
                          {" Verliehen: ",
                           " ********** ",
                           " ",
                           " Matrix an Peter"},
                          Fuss()}));
}

TEST(UTextReport, NurVerleih) {
  TDatBas db;
  VergleicheZeilen(Gesammelt(TextReportZeilen, TExportQuelle{db, false, false, {}, {}, {"Buch an Anna", "CD an Tom"}}),
                   Folge({{" ", " Verliehen: ", " ********** ", " ", " Buch an Anna", " CD an Tom"},
                          Fuss()}));
}

// The list boxes decide whether a collection's section is written; without
// lendings the footer follows the last section's spacer lines.
TEST(UTextReport, AbschnitteNachListen) {
  TDatBas db;
  db.AddFilm({"Matrix", "2", "DVD", "", ""});
  db.AddSpiel({"Myst", "1", "Adventure", ""});
  VergleicheZeilen(Gesammelt(TextReportZeilen, TExportQuelle{db, false, true, {}, {}, {}}),
                   Folge({{" ", " Spieleliste: ", " ************ ", " ", " Myst  ( Adventure )"},
                          Abstand4, Fuss()}));
}

}  // namespace
