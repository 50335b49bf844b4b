#pragma once
// Replacing a file in one step.

#include "platform/Fehler.h"
#include "platform/Hintergrundschreiber.h"
#include "platform/Vorfassung.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <sys/stat.h>
#include <vector>

// The step of a replacement that failed: putting a file at its place (the
// temporary one, or the finished one under its own name), or writing out the
// content.
enum class TDateiSchritt { Anlegen, Schreiben };

// The failure of SchreibeDateiAtomar: the German failure text of the system
// error, and the step it happened in. Where the file was being written in
// place, the text says that it is incomplete and where the copy of its
// previous content lies.
class EAtomarFehler : public EFehler {
public:
  EAtomarFehler(TDateiSchritt schritt, int errnum, const std::string& datei = {}, const std::string& kopie = {});
  // The text with meldung in place of the system error's text.
  std::string Text(const std::string& meldung) const;

  TDateiSchritt Schritt;
  std::string Datei, Kopie;  // Kopie: empty unless the file is incomplete
};

// The start of the names of temporary files beside a file; the process id
// of the program that writes them follows.
inline constexpr const char* TempDateiPraefix = ".scheibwart-";

// The folder pfad lies in: "." for a bare name, "/" for a name in the root.
std::string Verzeichnis(const std::string& pfad);

// The file that replacing pfad is to replace: symbolic links are followed one
// by one, so that every link stays and the file at the end of the chain
// receives the new content, also when that file does not exist yet. A link is
// followed only where the kernel's rule for sticky folders that everyone may
// write would follow it for this user: when it belongs to the user or to the
// folder's owner. Such a link, one that cannot be read, or a loop throws
// EAtomarFehler.
std::string ZielPfad(const std::string& pfad);

// How full buffers reach the disk: written by the program between two
// pieces of content and synced at the end, or, for content that takes about
// as long to make as to write (the lines of a report), written by a thread of
// the file's own while the next buffer fills and taken to disk at once. Where
// making the content costs next to nothing (the records of a collection), a
// second thread would only compete with the disk's and the system's own work.
enum class TPufferung { Einfach, Nebenher };

// A file that replaces pfad in one step once it is complete: the content goes
// through a small buffer into an unnamed file in the folder of pfad, and
// Fertig() flushes it to disk and puts it in place of pfad. Every failure
// throws EAtomarFehler and leaves any file at pfad untouched, and a file that
// was not finished vanishes, also when the program is killed. Where the file
// system has no unnamed files, a temporary file beside pfad takes its part;
// one that a killed program left is removed by the next replacement in that
// folder. A new file gets the usual permissions; a replaced one keeps its
// own, and its owner and group, and a write-protected one or one that is not
// a regular file is not replaced. A file system that keeps no permissions or
// owners is fine.
//
// Where the folder takes no new file, or the new file could not keep the
// owner and group, or the file has further names (hard links), the content is
// written straight into the file at pfad: a copy of its previous content
// waits in the state folder until the new content is on disk, and a failure
// says where it lies. A copy that cannot be made throws EFehler with the
// text of its failure, before the file is touched.
class TAtomareDatei {
public:
  explicit TAtomareDatei(const std::string& pfad, TPufferung pufferung = TPufferung::Einfach);
  TAtomareDatei(const TAtomareDatei&) = delete;
  TAtomareDatei& operator=(const TAtomareDatei&) = delete;
  ~TAtomareDatei();

  void Schreibe(const void* daten, std::size_t anzahl) {
    if (anzahl <= PufferGroesse - Gefuellt) {  // the usual case: it fits
      std::memcpy(Puffer.get() + Gefuellt, daten, anzahl);
      Gefuellt += anzahl;
    } else {
      SchreibeDurch(daten, anzahl);
    }
  }
  // Writing in place: the free rest of the buffer, at least anzahl bytes (at
  // most the buffer's size) after writing out what is buffered if less is
  // left; Belege(n) then takes the first n bytes written there.
  std::span<std::uint8_t> Platz(std::size_t anzahl) {
    if (anzahl > PufferGroesse - Gefuellt) Leere();
    return {Puffer.get() + Gefuellt, PufferGroesse - Gefuellt};
  }
  void Belege(std::size_t anzahl) { Gefuellt += anzahl; }
  // Puts the complete file in place. What is not assured once it is there
  // (that its folder reached the disk, for instance) comes back as a German
  // note for the user; the save counts as done.
  [[nodiscard]] std::optional<std::string> Fertig();

private:
  // Large buffers let the writer thread take over seldom. A single buffer
  // stays small: in pieces of 1 MB, saving a 600 MB collection took Linux
  // 6.18 on ext4 more than twice as long as in pieces of 256 KB.
  static constexpr std::size_t GroesseEinfach = 1 << 18, GroesseNebenher = 1 << 20;

  // Where the content goes until it is complete.
  enum class TWeg { Unbenannt, Benannt, Direkt };

  void SchreibeDurch(const void* daten, std::size_t anzahl);
  // Writes the full buffer out, or hands it to the writer and goes on in the
  // other one.
  void Leere();
  // Waits for any writer and writes what is buffered itself.
  void SchreibeRest();
  void StarteSchreiber();
  // Writes into the file itself, behind a copy of its previous content.
  void SchreibeAnOrt();
  void SetzeAnDieStelle();
  // Closes the file and removes its temporary name (an unnamed file vanishes
  // by itself).
  void Verwirf();
  [[noreturn]] void Aufgeben(int errnum, TDateiSchritt schritt);

  std::string Pfad;  // as the user named it, for the texts
  int OrdnerFd = -1;  // the folder the file lies in, its path, and the file's name there
  std::string Ordner, Name, Temp;  // Temp: the name of the file while it has one of its own
  bool Vorhanden = false;
  struct stat Vorher {};  // the file that is replaced, where Vorhanden
  TWeg Weg = TWeg::Unbenannt;
  std::unique_ptr<TVorfassung> Vorfassung;  // Direkt
  TPufferung Pufferung;
  std::size_t PufferGroesse;
  int Fd = -1;
  std::unique_ptr<std::uint8_t[]> Puffer, Zweitpuffer;
  std::size_t Gefuellt = 0;
  // Nebenher, once the first buffer is full; it goes before the buffers and
  // the file.
  std::unique_ptr<THintergrundschreiber> Schreiber;
};

// The whole content in one call; returns the note of Fertig().
std::optional<std::string> SchreibeDateiAtomar(const std::string& pfad, const std::vector<std::uint8_t>& bytes);
