#pragma once
// Writing the lines of a report or exchange file as they are made.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Where the lines of a report go, one after the other, each followed by CR LF.
// The bytes go straight into the target's buffer: part by part through
// Text(), or, for the many rows of a report, written in place through a
// pointer that Raum() gives and Bis() hands back, which leaves the compiler
// nothing to reload between the parts. The target is called only when its
// buffer is full.
class TZeilenZiel {
public:
  // The most that Raum() gives at once.
  static constexpr std::size_t MaxRaum = 1 << 14;

  // Appends the bytes to the line.
  void Text(std::string_view text) {
    if (text.size() <= Frei())
      Pos = Kopiere(Pos, text);
    else
      TextDurch(text);
  }
  void Zeilenende() { Bis(Zeilenende(Raum(2))); }

  // One line made of these parts, one after the other. A fixed number of
  // them, as a row of a report has, is written where the row is made, so
  // that the compiler copies its fixed parts as what they are.
  template <std::size_t N>
  [[gnu::always_inline]] void Zeile(const std::array<std::string_view, N>& teile) {
    ZeileAus(teile);
  }
  void Zeile(std::span<const std::string_view> teile);
  void Zeile(std::initializer_list<std::string_view> teile) { Zeile(std::span(teile.begin(), teile.size())); }
  void Zeile(std::string_view zeile) {
    Text(zeile);
    Zeilenende();
  }
  void Zeilen(std::initializer_list<std::string_view> zeilen) {
    for (const std::string_view zeile : zeilen) Zeile(zeile);
  }

  // Room for anzahl bytes (at most MaxRaum) at the returned position, to be
  // written with the functions below or by the caller's own code; Bis() then
  // takes the bytes up to the position it is given.
  char* Raum(std::size_t anzahl) {
    if (anzahl > Frei()) Weiter(anzahl);
    return Pos;
  }
  void Bis(char* ende) { Pos = ende; }

  // The part at ziel; returns the position after it. Short parts, as lines
  // are made of, are copied without a call.
  static char* Kopiere(char* ziel, std::string_view teil) {
    const char* const quelle = teil.data();
    const std::size_t anzahl = teil.size();
    if (anzahl > 32) return static_cast<char*>(std::memcpy(ziel, quelle, anzahl)) + anzahl;
    if (anzahl >= 16)
      Ueberlappend<16>(ziel, quelle, anzahl);
    else if (anzahl >= 8)
      Ueberlappend<8>(ziel, quelle, anzahl);
    else if (anzahl >= 4)
      Ueberlappend<4>(ziel, quelle, anzahl);
    else if (anzahl > 0) {
      ziel[0] = quelle[0];
      ziel[anzahl / 2] = quelle[anzahl / 2];
      ziel[anzahl - 1] = quelle[anzahl - 1];
    }
    return ziel + anzahl;
  }
  // The decimal digits of the number at ziel, which has room for 20 (the most
  // a 64-bit number has); returns the position after them.
  static char* Zahl(char* ziel, std::size_t zahl) { return std::to_chars(ziel, ziel + 20, zahl).ptr; }
  // CR LF at ziel; returns the position after it.
  static char* Zeilenende(char* ziel) {
    ziel[0] = '\r';
    ziel[1] = '\n';
    return ziel + 2;
  }

protected:
  TZeilenZiel() = default;
  ~TZeilenZiel() = default;

  // Takes the bytes before Pos and makes room for at least anzahl (at most
  // MaxRaum) bytes from Pos to Ende.
  virtual void Weiter(std::size_t anzahl) = 0;

  char* Pos = nullptr;
  char* Ende = nullptr;

private:
  std::size_t Frei() const { return static_cast<std::size_t>(Ende - Pos); }
  void TextDurch(std::string_view text);
  // A line in one piece of room, unrolled; a longer one part by part. The
  // long line gets its own copy of the parts, so that the parts of the usual
  // one need not lie in memory.
  template <class TTeile>
  [[gnu::always_inline]] void ZeileAus(const TTeile& teile) {
    std::size_t laenge = 2;
#pragma GCC unroll 8
    for (const std::string_view teil : teile) laenge += teil.size();
    if (laenge <= MaxRaum) {
      char* p = Raum(laenge);
#pragma GCC unroll 8
      for (const std::string_view teil : teile) p = Kopiere(p, teil);
      Bis(Zeilenende(p));
    } else {
      LangeZeile(teile);
    }
  }
  template <class TTeile>
  [[gnu::noinline]] void LangeZeile(TTeile teile) {
    for (const std::string_view teil : teile) Text(teil);
    Zeilenende();
  }

  // N <= anzahl <= 2 N bytes as the first and the last N, which overlap.
  template <std::size_t N>
  static void Ueberlappend(char* ziel, const char* quelle, std::size_t anzahl) {
    char anfang[N], schluss[N];
    std::memcpy(anfang, quelle, N);
    std::memcpy(schluss, quelle + anzahl - N, N);
    std::memcpy(ziel, anfang, N);
    std::memcpy(ziel + anzahl - N, schluss, N);
  }
};

// Writes every line bauer gives followed by CR LF, the last one too, byte for
// byte, straight into the buffer of the file, and replaces any file at pfad
// only once all of them are written. Throws EFehler "Datei <pfad> kann nicht
// erstellt werden" when the file cannot be made and "Stream-Write-Fehler" when
// writing it fails; a file already at pfad then stays as it was (or the text
// says that it is incomplete and where its copy lies). Returns what is not
// assured once the file is in place (see TAtomareDatei::Fertig).
std::optional<std::string> SchreibeZeilen(const std::string& pfad, const std::function<void(TZeilenZiel&)>& bauer);
