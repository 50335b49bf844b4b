// Settings files: what a reader finds and what every write leaves in the file.

#include "platform/Inidatei.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Inhalt(const std::string& pfad) {
  const std::vector<std::uint8_t> bytes = LiesBytes(pfad);
  return {bytes.begin(), bytes.end()};
}

TEST(Inidatei, FehlendeDateiEntstehtBeimErstenSchreiben) {
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("scheibwart.ini");
  EXPECT_EQ(IniLiesText(f, "Optionen", "filepathmerken", "vorgabe"), "vorgabe");
  EXPECT_TRUE(IniLiesFlag(f, "Optionen", "filepathmerken", true));
  EXPECT_FALSE(IniLiesFlag(f, "Optionen", "filepathmerken", false));

  IniSchreibeFlag(f, "Optionen", "filepathmerken", false);
  EXPECT_EQ(Inhalt(f), "[Optionen]\nfilepathmerken=0\n");
  IniSchreibeFlag(f, "Datei", "letztedateiladen", false);
  EXPECT_EQ(Inhalt(f), "[Optionen]\nfilepathmerken=0\n[Datei]\nletztedateiladen=0\n");
  IniSchreibeFlag(f, "Optionen", "filepathmerken", true);
  EXPECT_EQ(Inhalt(f), "[Optionen]\nfilepathmerken=1\n[Datei]\nletztedateiladen=0\n");
  EXPECT_TRUE(IniLiesFlag(f, "Optionen", "filepathmerken", false));
  EXPECT_FALSE(IniLiesFlag(f, "Datei", "letztedateiladen", true));
}

TEST(Inidatei, NamenOhneGrossKleinUndBlanks) {
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("a.ini");
  const std::string kopf = "vorher=frei\n  [ Optionen ]  \n";
  const std::string rest = "filepathmerken=zweiter\n"
                           "Zitat=\"  mit Blanks  \"\n"
                           "Halb=\"offen\n"
                           "[Andere]\n"
                           "Nur=hier\n";
  SchreibBytes(f, Bytes(kopf + "  FilePathMerken  =  hallo welt  \n" + rest));
  EXPECT_EQ(IniLiesText(f, "OPTIONEN", "filePATHmerken", ""), "hallo welt");
  EXPECT_EQ(IniLiesText(f, "optionen", "zitat", ""), "  mit Blanks  ");
  EXPECT_EQ(IniLiesText(f, "optionen", "halb", ""), "\"offen");
  EXPECT_EQ(IniLiesText(f, "Optionen", "Nur", "fehlt"), "fehlt");
  EXPECT_EQ(IniLiesText(f, "Optionen", "vorher", "fehlt"), "fehlt");
  EXPECT_EQ(IniLiesText(f, "Fehlt", "Nur", "fehlt"), "fehlt");

  // The first line of the key is replaced, with the key as the file spells it.
  IniSchreibeText(f, "OPTIONEN", "filepathmerken", "neu");
  EXPECT_EQ(Inhalt(f), kopf + "FilePathMerken=neu\n" + rest);
  EXPECT_EQ(IniLiesText(f, "Optionen", "FilePathMerken", ""), "neu");
}

// A new key follows the section's last key line, so blank lines and comments
// at the end of a section stay between the sections.
TEST(Inidatei, NeueSchluesselUndFremdeZeilen) {
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("a.ini");
  const std::string vorspann = "; Kommentar vor allem\n\xE4rger ohne Gleich\n\n";
  SchreibBytes(f, Bytes(vorspann + "[Optionen]\n"
                                   "; zu a\n"
                                   "a=1\n"
                                   "Unsinn  \n"
                                   "=ohne Schluessel\n"
                                   "[kaputt\n"
                                   "\n"
                                   ";Ende Optionen\n"
                                   "[Datei]\n"
                                   "  ; nichts"));
  IniSchreibeText(f, "optionen", "b", "2");
  IniSchreibeText(f, "Datei", "c", "3");
  IniSchreibeText(f, "Neu", "d", "4");
  IniSchreibeText(f, "Neu", "e", "5");
  EXPECT_EQ(Inhalt(f), vorspann + "[Optionen]\n"
                                  "; zu a\n"
                                  "a=1\n"
                                  "b=2\n"
                                  "Unsinn  \n"
                                  "=ohne Schluessel\n"
                                  "[kaputt\n"
                                  "\n"
                                  ";Ende Optionen\n"
                                  "[Datei]\n"
                                  "c=3\n"
                                  "  ; nichts\n"
                                  "[Neu]\n"
                                  "d=4\n"
                                  "e=5\n");
  EXPECT_EQ(IniLiesText(f, "Optionen", "; zu a", "x"), "x");
  EXPECT_EQ(IniLiesText(f, "Optionen", "", "x"), "x");
  EXPECT_EQ(IniLiesText(f, "Neu", "e", ""), "5");
}

TEST(Inidatei, CrlfBleibtCrlf) {
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("a.ini");
  SchreibBytes(f, Bytes("[Optionen]\r\na=1\r\n; bleibt\r\n[Datei]\r\nb=2"));
  EXPECT_EQ(IniLiesText(f, "Optionen", "a", ""), "1");
  IniSchreibeText(f, "Optionen", "a", "eins");
  IniSchreibeText(f, "Optionen", "neu", "x");
  IniSchreibeText(f, "Datei", "c", "3");
  IniSchreibeText(f, "Drittens", "d", "4");
  EXPECT_EQ(Inhalt(f), "[Optionen]\r\na=eins\r\nneu=x\r\n; bleibt\r\n[Datei]\r\nb=2\r\nc=3\r\n"
                       "[Drittens]\r\nd=4\r\n");

  // Only the first line decides; a file of LF lines gets LF lines.
  SchreibBytes(f, Bytes("[Optionen]\na=1\r\n"));
  IniSchreibeText(f, "Optionen", "b", "2");
  EXPECT_EQ(Inhalt(f), "[Optionen]\na=1\r\nb=2\n");
}

// A last line without a line feed: a carriage return before the end of the
// file ends the line as "\r\n" would, so the first write neither loses its
// key behind a section that appears only now nor changes what a key reads.
TEST(Inidatei, LetzteZeileOhneZeilenvorschub) {
  struct TFall {
    const char* Vorher;
    const char* Sektion;
    const char* Nachher;  // after writing neu=x into Sektion
  };
  const TFall faelle[] = {
      {"[Optionen]\r", "Optionen", "[Optionen]\r\nneu=x\r\n"},
      {"[Optionen]", "Optionen", "[Optionen]\nneu=x\n"},
      {"[Optionen]\r", "Datei", "[Optionen]\r\n[Datei]\r\nneu=x\r\n"},
      {"[Optionen]\nk=1\r", "Optionen", "[Optionen]\nk=1\r\nneu=x\n"},
      {"[Optionen]\nk=1\r", "Datei", "[Optionen]\nk=1\r\n[Datei]\nneu=x\n"},
      {"[Optionen]\r\nk=1\r", "Optionen", "[Optionen]\r\nk=1\r\nneu=x\r\n"},
      {"[Datei]\nk=0\n[Optionen]\r", "Optionen", "[Datei]\nk=0\n[Optionen]\r\nneu=x\n"},
      {"[Optionen]\nk=1\n\r", "Optionen", "[Optionen]\nk=1\nneu=x\n\r"},
      {"[Optionen]\nk=1\n\r", "Datei", "[Optionen]\nk=1\n\r\n[Datei]\nneu=x\n"},
  };
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("a.ini");
  for (const TFall& fall : faelle) {
    SCOPED_TRACE(fall.Vorher + std::string(" -> ") + fall.Sektion);
    SchreibBytes(f, Bytes(fall.Vorher));
    const std::string k = IniLiesText(f, "Optionen", "k", "fehlt");
    IniSchreibeText(f, fall.Sektion, "neu", "x");
    EXPECT_EQ(Inhalt(f), fall.Nachher);
    EXPECT_EQ(IniLiesText(f, fall.Sektion, "neu", "verloren"), "x");
    EXPECT_EQ(IniLiesText(f, "Optionen", "k", "fehlt"), k);
    EXPECT_EQ(k, std::string(fall.Vorher).find("k=1") == std::string::npos ? "fehlt" : "1");
  }

  // The key on such a line keeps its line end when it is set.
  SchreibBytes(f, Bytes("[Optionen]\r\nk=1\r"));
  IniSchreibeText(f, "Optionen", "k", "2");
  EXPECT_EQ(Inhalt(f), "[Optionen]\r\nk=2\r");
}

TEST(Inidatei, Flags) {
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("a.ini");
  SchreibBytes(f, Bytes("[F]\n"
                        "eins=1\nzwei=2\nhex=0x1\nhexGross=0X0a\nminus=-3\n"
                        "lang=00000000000000000009\n"
                        "blanks=  7  \nnull=0\nplusnull=+0\nhexnull=0x000\n"
                        "ja=yes\nwahr=true\nleer=\nmisch=1a\nnurpraefix=0x\nvorzeichenhex=-0x1\n"
                        "dollar=$1\n"));
  for (const char* s : {"eins", "zwei", "hex", "hexGross", "minus", "lang", "blanks"})
    EXPECT_TRUE(IniLiesFlag(f, "F", s, false)) << s;
  for (const char* s : {"null", "plusnull", "hexnull"})
    EXPECT_FALSE(IniLiesFlag(f, "F", s, true)) << s;
  for (const char* s : {"ja", "wahr", "leer", "misch", "nurpraefix", "vorzeichenhex", "dollar",
                        "fehlt"}) {
    EXPECT_TRUE(IniLiesFlag(f, "F", s, true)) << s;
    EXPECT_FALSE(IniLiesFlag(f, "F", s, false)) << s;
  }
}

TEST(Inidatei, LangeWerteWerdenGekuerzt) {
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("a.ini");
  const std::string genau(2047, 'g');
  const std::string lang = std::string(2047, 'l') + "XYZ";
  IniSchreibeText(f, "W", "genau", genau);
  IniSchreibeText(f, "W", "lang", lang);
  EXPECT_EQ(IniLiesText(f, "W", "genau", ""), genau);
  EXPECT_EQ(IniLiesText(f, "W", "lang", ""), lang.substr(0, 2047));
  // The file itself keeps the whole value.
  EXPECT_EQ(Inhalt(f), "[W]\ngenau=" + genau + "\nlang=" + lang + "\n");
}

TEST(Inidatei, SchreibfehlerNenntDieDatei) {
  TTempOrdner ordner;
  const std::string f = ordner.Pfad("fehlt/a.ini");
  EXPECT_EQ(FehlerVon([&] { IniSchreibeFlag(f, "Optionen", "x", true); }),
            "nach " + f + " kann nicht geschrieben werden");
  EXPECT_FALSE(std::filesystem::exists(ordner.Pfad("fehlt")));

  // Something that exists but cannot be read is not replaced.
  const std::string ordnerAlsDatei = ordner.Pfad("ordner.ini");
  std::filesystem::create_directory(ordnerAlsDatei);
  EXPECT_EQ(IniLiesText(ordnerAlsDatei, "Optionen", "x", "vorgabe"), "vorgabe");
  EXPECT_EQ(FehlerVon([&] { IniSchreibeText(ordnerAlsDatei, "Optionen", "x", "1"); }),
            "nach " + ordnerAlsDatei + " kann nicht geschrieben werden");
  EXPECT_TRUE(std::filesystem::is_directory(ordnerAlsDatei));
  EXPECT_EQ(ordner.Eintraege(), std::vector<std::string>{"ordner.ini"});
}

}  // namespace
