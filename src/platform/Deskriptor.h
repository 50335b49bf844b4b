#pragma once
// A file descriptor that is closed on every way out of its scope.

#include <unistd.h>

class TDeskriptor {
public:
  explicit TDeskriptor(int fd) : Fd(fd) {}
  TDeskriptor(const TDeskriptor&) = delete;
  TDeskriptor& operator=(const TDeskriptor&) = delete;
  ~TDeskriptor() {
    if (Fd >= 0) close(Fd);
  }
  // -1 where opening failed.
  operator int() const { return Fd; }

private:
  int Fd;
};
