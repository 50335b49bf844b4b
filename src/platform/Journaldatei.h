#pragma once
// The recovery journal on disk: Journal-<pid>-<n> in the state folder, a
// sequence of framed blocks (length, checksum, bytes), the first the header.
// Its writer holds an exclusive lock on it while it lives, so a journal
// nobody holds is a dead program's. A block is written with one write(), so
// a killed program leaves every block it finished; a block torn by a power
// loss fails its checksum and ends the journal there.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TJournaldatei {
public:
  // A new journal in the state folder with its header, which goes to disk
  // with the first Synchronisiere, the journal's name in its folder too.
  explicit TJournaldatei(std::span<const std::uint8_t> kopf);
  // Takes over a dead program's journal (locked, as VerbliebeneJournale read
  // it) and goes on after its last whole block: what was torn goes.
  TJournaldatei(const std::string& pfad, std::uint64_t gueltigeLaenge);
  TJournaldatei(const TJournaldatei&) = delete;
  TJournaldatei& operator=(const TJournaldatei&) = delete;
  // Closes it and keeps it: the changes it holds were not saved.
  ~TJournaldatei();

  // Writes one block; EFehler with the German text when it did not go whole.
  void Haenge(std::span<const std::uint8_t> block);
  // Puts what was written on disk; nothing to do when it is there.
  void Synchronisiere();
  // The journal goes: its changes were saved or the user let them go.
  void Entferne();

  const std::string& Pfad() const { return DateiPfad; }

private:
  void Oeffne(int fd);
  void Schliesse();
  std::string DateiPfad;
  std::string NeuIn;  // the folder a new journal's name is still to be synced in
  int Fd = -1;
  bool Offen = false;  // written but not yet synced
};

// A journal that a program ended before its changes were saved or let go.
struct TVerbliebenesJournal {
  std::string Pfad;
  std::vector<std::uint8_t> Kopf;
  std::vector<std::vector<std::uint8_t>> Bloecke;  // after the header, every whole one
  std::uint64_t GueltigeLaenge = 0;                 // up to the end of the last whole block
};

// The journals in the state folder that no running program holds, each read
// up to its last whole block. One without a whole header (its program ended
// while making it) is removed. No state folder: none; it is not made.
std::vector<TVerbliebenesJournal> VerbliebeneJournale();

void VerwirfJournal(const std::string& pfad);

// On SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal) the
// open journal is synced and the program ends at once; the journal stays for
// the next start.
void SichereJournalBeiEndesignal();
