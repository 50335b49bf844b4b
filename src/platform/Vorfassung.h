#pragma once
// The copy of a file's previous content that writing the file in place keeps
// in the state folder until the new content is on disk. A program that is
// killed meanwhile leaves it there, and the next start offers it back.

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <vector>

// Copies the file fd (open for reading, at pfad) into the state folder and
// notes pfad beside the copy, both on disk before the constructor returns;
// the copy stays locked as long as the object lives. A failure throws EFehler
// with its German text.
class TVorfassung {
public:
  TVorfassung(int fd, const std::string& pfad, std::span<std::uint8_t> puffer);
  TVorfassung(const TVorfassung&) = delete;
  TVorfassung& operator=(const TVorfassung&) = delete;
  // Keeps the copy: the new content did not reach the disk.
  ~TVorfassung();

  const std::string& Kopie() const { return KopiePfad; }
  // The new content is on disk: the copy goes.
  void Entferne();

private:
  std::string KopiePfad;
  int Fd = -1;
};

// A copy that a program ended before its save was done.
struct TVerbliebeneFassung {
  std::string Kopie, Datei;
  std::time_t Zeit;  // when the save began
};

// The copies in the state folder that no running program holds, oldest
// first. Copies left without a note of their file (the program ended while
// copying) are removed. No state folder: none.
std::vector<TVerbliebeneFassung> VerbliebeneFassungen();

// Writes the copy's content back into its file (in place, which keeps the
// file's owner, permissions and links), and removes the copy once the file
// is on disk. A failure throws EFehler and keeps the copy.
void StelleWiederHer(const TVerbliebeneFassung& fassung);

void VerwirfFassung(const TVerbliebeneFassung& fassung);
