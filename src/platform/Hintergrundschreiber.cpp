#include "platform/Hintergrundschreiber.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int SchreibeGanz(int fd, const std::uint8_t* daten, std::size_t anzahl) {
  while (anzahl > 0) {
    const ssize_t n = write(fd, daten, anzahl);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    daten += n;
    anzahl -= static_cast<std::size_t>(n);
  }
  return 0;
}

THintergrundschreiber::THintergrundschreiber(int fd) : Fd(fd), Faden([this] { Laufe(); }) {}

THintergrundschreiber::~THintergrundschreiber() {
  {
    const std::lock_guard sperre(Sperre);
    Schluss = true;
  }
  Wechsel.notify_all();
  Faden.join();
}

void THintergrundschreiber::Schreibe(const std::uint8_t* daten, std::size_t anzahl) {
  {
    const std::lock_guard sperre(Sperre);
    Daten = daten;
    Anzahl = anzahl;
    Auftrag = true;
  }
  Wechsel.notify_all();
}

int THintergrundschreiber::Warte() {
  std::unique_lock sperre(Sperre);
  Wechsel.wait(sperre, [this] { return !Auftrag; });
  return Fehler;
}

void THintergrundschreiber::Laufe() {
  std::unique_lock sperre(Sperre);
  for (;;) {
    Wechsel.wait(sperre, [this] { return Auftrag || Schluss; });
    if (!Auftrag) return;
    if (Fehler == 0) {
      sperre.unlock();
      const int fehler = SchreibeGanz(Fd, Daten, Anzahl);
      // The disk may take these bytes now, so that at the end only the last
      // ones are waited for. Merely a hint: a file system that can't is fine.
      if (fehler == 0) sync_file_range(Fd, Geschrieben, static_cast<off_t>(Anzahl), SYNC_FILE_RANGE_WRITE);
      Geschrieben += static_cast<off_t>(Anzahl);
      sperre.lock();
      Fehler = fehler;
    }
    Auftrag = false;
    Wechsel.notify_all();
  }
}
