#pragma once
// Writing a full buffer out while the next one is being filled.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <sys/types.h>
#include <thread>

// Writes the bytes to fd in full, also when write() takes them in parts or is
// interrupted; returns 0, or the errno of the failure.
int SchreibeGanz(int fd, const std::uint8_t* daten, std::size_t anzahl);

// A thread of its own that writes buffers one after the other to a file,
// from the file's beginning, and has the system start taking each to disk at
// once. A buffer handed over with Schreibe() must stay untouched until
// Warte() returns. The thread ends with the object, which waits for the
// buffer in hand first, so that the file may then be closed.
class THintergrundschreiber {
public:
  // Throws std::system_error when no thread can be started.
  explicit THintergrundschreiber(int fd);
  THintergrundschreiber(const THintergrundschreiber&) = delete;
  THintergrundschreiber& operator=(const THintergrundschreiber&) = delete;
  ~THintergrundschreiber();

  // Only once the buffer before has been waited for.
  void Schreibe(const std::uint8_t* daten, std::size_t anzahl);
  // Waits until the buffer in hand is written; returns 0, or the errno of the
  // first write that failed (after which nothing more is written).
  int Warte();

private:
  void Laufe();

  const int Fd;
  std::mutex Sperre;
  std::condition_variable Wechsel;
  const std::uint8_t* Daten = nullptr;
  std::size_t Anzahl = 0;
  bool Auftrag = false, Schluss = false;
  int Fehler = 0;
  off_t Geschrieben = 0;  // only the thread's
  std::thread Faden;  // last, so that it starts with everything above in place
};
