#pragma once
// A child process stopped in the middle of its work until the object goes and
// kills it: what a program killed midway leaves behind.

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

class TAngehaltenesKind {
public:
  // Runs arbeit in the child; arbeit calls halt() where the child is to stop.
  // Returns once the child has stopped there.
  explicit TAngehaltenesKind(const std::function<void(const std::function<void()>& halt)>& arbeit) {
    int rohr[2];
    EXPECT_EQ(pipe(rohr), 0);
    Pid = fork();
    if (Pid == 0) {
      close(rohr[0]);
      try {
        arbeit([&] {
          if (write(rohr[1], "h", 1) != 1) _exit(1);
          for (;;) pause();
        });
      } catch (...) {
      }
      _exit(1);
    }
    close(rohr[1]);
    char angehalten = 0;
    EXPECT_EQ(read(rohr[0], &angehalten, 1), 1) << "der Kindprozess scheiterte, bevor er anhielt";
    close(rohr[0]);
  }
  ~TAngehaltenesKind() {
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
  }
  TAngehaltenesKind(const TAngehaltenesKind&) = delete;
  TAngehaltenesKind& operator=(const TAngehaltenesKind&) = delete;

private:
  pid_t Pid = -1;
};
