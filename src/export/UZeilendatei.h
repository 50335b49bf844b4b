#pragma once
// Writing the lines of a report or exchange file as they are made.

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Where the lines of a report go, one after the other, without line ends.
class TZeilenZiel {
public:
  // One line made of these parts, one after the other.
  virtual void Zeile(std::span<const std::string_view> teile) = 0;
  void Zeile(std::initializer_list<std::string_view> teile) { Zeile(std::span(teile.begin(), teile.size())); }
  void Zeile(std::string_view zeile) { Zeile({zeile}); }
  void Zeilen(std::initializer_list<std::string_view> zeilen) {
    for (const std::string_view zeile : zeilen) Zeile(zeile);
  }

protected:
  ~TZeilenZiel() = default;
};

// Writes every line bauer gives followed by CR LF, the last one too, byte for
// byte, through a small buffer, and replaces any file at pfad only once all of
// them are written. Throws EFehler "Datei <pfad> kann nicht erstellt werden"
// when the file cannot be made and "Stream-Write-Fehler" when writing it
// fails; a file already at pfad then stays as it was.
void SchreibeZeilen(const std::string& pfad, const std::function<void(TZeilenZiel&)>& bauer);
