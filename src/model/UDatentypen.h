#pragma once
// The record types of the collection: a film and a game, every field a short
// text of code page 1252 bytes.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// A text of at most 255 single-byte characters; a longer text keeps its
// first 255. This is the fixed field width of the collection file.
class TShortString {
public:
  static constexpr std::size_t MaxLaenge = 255;

  TShortString() = default;
  TShortString(std::string_view text);
  TShortString(const char* text) : TShortString(std::string_view(text)) {}
  TShortString(const std::string& text) : TShortString(std::string_view(text)) {}

  const std::string& str() const { return Text; }
  operator const std::string&() const { return Text; }
  bool empty() const { return Text.empty(); }
  std::size_t size() const { return Text.size(); }

  friend bool operator==(const TShortString&, const TShortString&) = default;

private:
  std::string Text;
};

struct TFilmRec {
  TShortString Name;
  TShortString CDAnzahl;
  TShortString CDFormat;
  TShortString Genre;
  TShortString Kommentar;

  friend bool operator==(const TFilmRec&, const TFilmRec&) = default;
};

struct TSpielRec {
  TShortString Name;
  TShortString CDAnzahl;
  TShortString Genre;
  TShortString Kommentar;

  friend bool operator==(const TSpielRec&, const TSpielRec&) = default;
};

// The field texts of a record in its own order, where they lie: Name,
// CDAnzahl, CDFormat, Genre, Kommentar for a film; the same without CDFormat
// for a game.
std::array<const std::string*, 5> Felder(const TFilmRec& film);
std::array<const std::string*, 4> Felder(const TSpielRec& spiel);
