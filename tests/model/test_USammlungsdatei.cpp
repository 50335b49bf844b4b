// The collection file: its bytes, the "x" marker rule, reading damaged and
// missing files, and writing.

#include "model/USammlungsdatei.h"
#include "platform/Dateifehler.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace Sammlungsdatei;

namespace {

using Roh = std::vector<std::uint8_t>;

// n records whose every slot is the empty-slot marker.
Roh NurMarker(std::size_t n) {
  Roh b(n * RecordSize, 0);
  for (std::size_t s = 0; s < n * SlotsProRecord; ++s) {
    b[s * SlotSize] = 1;
    b[s * SlotSize + 1] = 'x';
  }
  return b;
}

// Puts a length byte and text into a slot, zero bytes behind it.
void Setze(Roh& b, std::size_t record, std::size_t slot, const std::string& text,
           int laenge = -1) {
  std::uint8_t* p = b.data() + record * RecordSize + slot * SlotSize;
  std::fill(p, p + SlotSize, 0);
  p[0] = static_cast<std::uint8_t>(laenge < 0 ? text.size() : laenge);
  std::copy(text.begin(), text.end(), p + 1);
}

TSammlung Decode(const Roh& b) { return DecodeSammlung(b.data(), b.size() / RecordSize); }

// Every byte value, in a text of the longest length.
std::string AlleBytes(int start) {
  std::string t;
  for (int i = 0; i < 255; ++i) t += static_cast<char>((start + i) % 256);
  return t;
}

TEST(Sammlungsdatei, BytesEinerBeispielsammlung) {
  TSammlung s;
  s.Filme = {{"Alien", "2", "DivX 5.x", "Horror", "gut"},
             {"M\xFC" "nchhausen", "1", "", "Kom\xF6" "die", ""},
             {"Heat", "10", "DVD", "Krimi", "lang"}};
  s.Spiele = {{"Doom", "1", "Shooter", "alt"}};
  s.FilmWuensche = {"Heimat", "Die Br\xFC" "cke"};
  const Roh b = EncodeSammlung(s);
  ASSERT_EQ(b.size(), 9216u);

  const std::string x = "x";
  const std::vector<std::vector<std::string>> soll = {
      {"Alien", "2", "DivX 5.x", "Horror", "gut", "Doom", "1", "Shooter", "alt", x, "Heimat", x},
      {"M\xFC" "nchhausen", "1", "", "Kom\xF6" "die", "", x, x, x, x, x, "Die Br\xFC" "cke", x},
      {"Heat", "10", "DVD", "Krimi", "lang", x, x, x, x, x, x, x}};
  for (std::size_t r = 0; r < 3; ++r)
    for (std::size_t k = 0; k < SlotsProRecord; ++k) {
      const std::uint8_t* p = b.data() + r * RecordSize + k * SlotSize;
      Roh erwartet(SlotSize, 0);
      erwartet[0] = static_cast<std::uint8_t>(soll[r][k].size());
      std::copy(soll[r][k].begin(), soll[r][k].end(), erwartet.begin() + 1);
      EXPECT_EQ(Roh(p, p + SlotSize), erwartet) << "Record " << r + 1 << ", Slot " << k;
    }
  EXPECT_EQ(Decode(b), s);
  EXPECT_TRUE(EncodeSammlung(TSammlung{}).empty());
}

TEST(Sammlungsdatei, HinUndZurueckMitAllenBytes) {
  TSammlung s;
  s.Filme = {{AlleBytes(0), AlleBytes(1), std::string(1, '\0'), "\xFF", ""},
             {"", "", "", "", ""},
             {"X", "x ", " x", "xx", AlleBytes(200)}};
  s.Spiele = {{AlleBytes(77), "", "x", "X"}, {"", "", "", ""}};
  s.Verleih = {"", "Heat an J\xF6rg", std::string(300, 'v')};
  s.FilmWuensche = {AlleBytes(128)};
  s.SpielWuensche = {"a", "", "", "", "X"};
  const TSammlung zurueck = Decode(EncodeSammlung(s));
  s.Verleih[2] = std::string(255, 'v');  // a list entry keeps its first 255 bytes
  EXPECT_EQ(zurueck, s);
}

TEST(Sammlungsdatei, MarkerRegel) {
  // "x" in the middle of a column is a real entry, at its end it vanishes.
  TSammlung s;
  s.Filme = {{"x", "x", "x", "x", "x"}, {"A", "x", "x", "x", "x"}, {"x", "x", "x", "x", "x"}};
  s.Spiele = {{"x", "x", "x", "x"}, {"x", "x", "x", "x"}};
  s.Verleih = {"x", "a", "x", "x"};
  s.FilmWuensche = {"x"};
  s.SpielWuensche = {"b", "x", "x ", "x"};
  TSammlung soll;
  soll.Filme = {s.Filme[0], s.Filme[1]};
  soll.Verleih = {"x", "a"};
  soll.SpielWuensche = {"b", "x", "x "};
  EXPECT_EQ(Decode(EncodeSammlung(s)), soll);

  // Slots other programs may have written.
  Roh b = NurMarker(3);
  Setze(b, 0, VerleihSlot, "");                         // empty text, not empty slot
  Setze(b, 1, FilmSlot + 0, "");                        // a film without title
  Setze(b, 1, SpielSlot + 3, "Ko");                     // only a comment makes a game
  Setze(b, 0, FilmWunschSlot, std::string("ab\0cde", 6), 5);  // length byte beyond the text
  Setze(b, 2, SpielWunschSlot, "lang", 255);            // reads into the zero fill
  Setze(b, 2, FilmSlot + 4, "X");
  const TSammlung t = Decode(b);
  EXPECT_EQ(t.Verleih, std::vector<std::string>{""});
  ASSERT_EQ(t.Filme.size(), 3u);
  EXPECT_EQ(t.Filme[0], (TFilmRec{"x", "x", "x", "x", "x"}));
  EXPECT_EQ(t.Filme[1], (TFilmRec{"", "x", "x", "x", "x"}));
  EXPECT_EQ(t.Filme[2], (TFilmRec{"x", "x", "x", "x", "X"}));
  EXPECT_EQ(t.Spiele, (std::vector<TSpielRec>{{"x", "x", "x", "x"}, {"x", "x", "x", "Ko"}}));
  EXPECT_EQ(t.FilmWuensche, std::vector<std::string>{std::string("ab\0cd", 5)});
  ASSERT_EQ(t.SpielWuensche.size(), 3u);
  EXPECT_EQ(t.SpielWuensche[0], "x");
  EXPECT_EQ(t.SpielWuensche[2], "lang" + std::string(251, '\0'));

  // A slot with a length byte of 1 but another character is no marker.
  Roh c = NurMarker(1);
  Setze(c, 0, FilmSlot, "X");
  EXPECT_EQ(Decode(c).Filme.size(), 1u);
  EXPECT_TRUE(Decode(NurMarker(4)).Leer());
}

TEST(Sammlungsdatei, ZufallsbytesUndAbgeschnitteneDateien) {
  TTempOrdner ordner;
  std::mt19937 zufall(4711);
  auto wuerfel = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(zufall); };
  auto text = [&] {
    static const char* const anfang[] = {"", "x", "X", "x ", "Alien", "\xE4\xF6\xFC"};
    std::string t = anfang[wuerfel(0, 5)];
    if (wuerfel(0, 3) == 0) t += std::string(wuerfel(0, 300), static_cast<char>(wuerfel(0, 255)));
    return t;
  };
  auto liste = [&] {
    std::vector<std::string> l(wuerfel(0, 4));
    for (auto& t : l) t = text();
    return l;
  };
  for (int datei = 0; datei < 300; ++datei) {
    SCOPED_TRACE(datei);
    Roh b;
    if (datei % 3 == 0) {  // pure noise
      b.resize(wuerfel(0, 4) * RecordSize + wuerfel(0, 1) * wuerfel(0, 3071));
      for (auto& byte : b) byte = static_cast<std::uint8_t>(wuerfel(0, 255));
    } else if (datei % 3 == 1) {  // mostly markers with noise in between
      b = NurMarker(wuerfel(0, 4));
      for (auto& byte : b)
        if (wuerfel(0, 9) == 0) byte = static_cast<std::uint8_t>(wuerfel(0, 255));
    } else {  // a file as written, cut off somewhere
      TSammlung s;
      s.Filme.resize(wuerfel(0, 4));
      for (auto& f : s.Filme) f = {text(), text(), text(), text(), text()};
      s.Spiele.resize(wuerfel(0, 4));
      for (auto& g : s.Spiele) g = {text(), text(), text(), text()};
      s.Verleih = liste();
      s.FilmWuensche = liste();
      s.SpielWuensche = liste();
      b = EncodeSammlung(s);
      b.resize(wuerfel(0, static_cast<int>(b.size())));
    }

    const std::string pfad = ordner.Pfad("f.swl");
    SchreibBytes(pfad, b);
    const std::size_t ganz = b.size() / RecordSize;
    const TLeseErgebnis e = TSammlungsLeser(pfad).LiesAlles();
    EXPECT_EQ(e.Fehler, b.size() % RecordSize ? DateiendeText : "");
    const TSammlung& s = e.Inhalt;
    EXPECT_LE(s.RecordAnzahl(), ganz);
    b.resize(ganz * RecordSize);
    ASSERT_EQ(s, Decode(b));
    const Roh wieder = EncodeSammlung(s);
    EXPECT_EQ(wieder.size(), s.RecordAnzahl() * RecordSize);
    EXPECT_EQ(Decode(wieder), s);
  }
}

TEST(Sammlungsdatei, LesenUndSchreibenUeberDateien) {
  TTempOrdner ordner;
  TSammlung s;
  s.Filme = {{"Alien", "2", "DivX 5.x", "", ""}, {"x", "", "", "", ""}};
  s.Spiele = {{"Doom", "", "", ""}};
  s.SpielWuensche = {"Quake", "x", "Myst"};
  const std::string pfad = ordner.Pfad("s.swl");
  SchreibeSammlung(pfad, s);
  EXPECT_EQ(LiesBytes(pfad), EncodeSammlung(s));

  // Read-only files load.
  chmod(pfad.c_str(), 0444);
  TLeseErgebnis e = TSammlungsLeser(pfad).LiesAlles();
  EXPECT_EQ(e.Inhalt, s);
  EXPECT_EQ(e.Fehler, "");

  // A broken last record: the whole ones before it, and the failure text.
  Roh b = LiesBytes(pfad);
  b.resize(2 * RecordSize + 100);
  SchreibBytes(ordner.Pfad("kaputt.swl"), b);
  e = TSammlungsLeser(ordner.Pfad("kaputt.swl")).LiesAlles();
  EXPECT_EQ(e.Fehler, DateiendeText);
  TSammlung erste2 = s;
  erste2.SpielWuensche = {"Quake"};  // "x" is now the column's last entry
  EXPECT_EQ(e.Inhalt, erste2);

  SchreibBytes(ordner.Pfad("leer.swl"), {});
  e = TSammlungsLeser(ordner.Pfad("leer.swl")).LiesAlles();
  EXPECT_TRUE(e.Inhalt.Leer());
  EXPECT_EQ(e.Fehler, "");
  SchreibeSammlung(ordner.Pfad("leer.swl"), TSammlung{});
  EXPECT_TRUE(LiesBytes(ordner.Pfad("leer.swl")).empty());

  // Files that cannot be opened.
  auto oeffnen = [](const std::string& p) { return FehlerVon([&] { TSammlungsLeser l(p); }); };
  EXPECT_EQ(oeffnen(ordner.Pfad("fehlt.swl")), "Datei nicht gefunden");
  EXPECT_EQ(oeffnen(ordner.Pfad()), "Dateizugriff verweigert");
  EXPECT_EQ(oeffnen(ordner.Pfad(std::string(300, 'n'))), "Ungültiger Dateiname");
  EXPECT_EQ(oeffnen(pfad + "/s.swl"), "Ungültiger Dateiname");
  EXPECT_EQ(FehlerVon([&] { SchreibeSammlung(ordner.Pfad("fehlt/s.swl"), s); }),
            "Datei nicht gefunden");
}

TEST(Sammlungsdatei, LeserechtFehlt) {
  if (geteuid() == 0) GTEST_SKIP() << "root darf jede Datei lesen";
  TTempOrdner ordner;
  SchreibBytes(ordner.Pfad("gesperrt.swl"), {});
  chmod(ordner.Pfad("gesperrt.swl").c_str(), 0200);
  EXPECT_EQ(FehlerVon([&] { TSammlungsLeser l(ordner.Pfad("gesperrt.swl")); }),
            "Dateizugriff verweigert");
}

}  // namespace
