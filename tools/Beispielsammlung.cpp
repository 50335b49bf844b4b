// Writes the sample collection examples/Sammlung.swl with the program's own
// collection writer. Run through `make examples`.

#include "model/USammlungsdatei.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: %s ZIELDATEI\n", argv[0]);
    return 2;
  }
  // Code page 1252 texts: \xE4 ä, \xF6 ö, \xFC ü, \xDF ß, \xC4 Ä, \xD6 Ö, \xDC Ü.
  TSammlung s;
  s.Filme = {
      {"Das Boot", "2", "DivX 5.x", "Kriegsfilm", "Director's Cut"},
      {"Die Abenteuer des Baron M\xFCnchhausen", "1", "SVCD", "Abenteuer", ""},
      {"Lola rennt", "1", "DivX 5.x", "Thriller", "Franka Potente"},
      {"Die fabelhafte Welt der Am\xE9lie", "2", "DVD", "Kom\xF6" "die", "Originalton franz\xF6sisch"},
      {"Das Leben der Anderen", "1", "DVD", "Drama", ""},
      {"Good Bye, Lenin!", "2", "(S)VCD", "Kom\xF6" "die", "mit Bonusmaterial"},
      {"Metropolis", "1", "AVI", "Science Fiction", "restaurierte Fassung"},
      {"Die Br\xFC" "cke", "1", "MPEG", "Kriegsfilm", "Schwarzwei\xDF"},
  };
  s.Spiele = {
      {"Die Siedler II", "1", "Strategie / Aufbau", "Gold-Edition"},
      {"Anno 1602", "1", "Strategie / Aufbau", ""},
      {"Gothic", "2", "Rollenspiel", "deutsche Sprachausgabe"},
      {"Moorhuhn", "1", "Action", "Kult"},
      {"Die Schatzinsel \xD6" "dland", "3", "Adventure", "mit Komplettl\xF6sung"},
  };
  s.Verleih = {"an J\xFCrgen - Das Boot  ( 2 * DivX 5.x )", "Gothic  ( Rollenspiel ) - an Bj\xF6rn"};
  s.FilmWuensche = {"Der Himmel \xFC" "ber Berlin", "Lammbock", "Nirgendwo in Afrika"};
  s.SpielWuensche = {"Gothic II", "Die Gilde"};
  try {
    SchreibeSammlung(argv[1], s);
  } catch (const std::exception& fehler) {
    std::fprintf(stderr, "%s\n", fehler.what());
    return 1;
  }
  return 0;
}
