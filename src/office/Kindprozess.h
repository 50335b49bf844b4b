#pragma once
// A program started as a child process that cannot outlive the program:
// it runs in a process group of its own, which is killed when the object goes,
// and the system kills the child when the thread that started it ends.

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

class TKindprozess {
public:
  // Starts programm (a full path) with the arguments after argv[0]; standard
  // input and output on /dev/null, the error output shared. umgebung: the
  // variables ("NAME=wert") it gets in place of or beside the program's own.
  // Fails with EFehler "Fehler bei der Serverausführung".
  TKindprozess(const std::string& programm, const std::vector<std::string>& argumente,
               const std::vector<std::string>& umgebung = {});
  ~TKindprozess() { Toete(); }
  TKindprozess(const TKindprozess&) = delete;
  TKindprozess& operator=(const TKindprozess&) = delete;

  // The exit code once the process has ended (128 + the number of a killing
  // signal, -1 when someone else collected it), nothing while it runs.
  std::optional<int> Status();

  // Waits at most frist for the end; true when the process has ended.
  bool Warte(std::chrono::milliseconds frist);

  // Kills the process group and collects the process.
  void Toete() noexcept;

  pid_t Pid() const { return Prozess; }

private:
  void Einsammeln(int status);

  pid_t Prozess = -1;
  bool Eingesammelt = false;
  int Ende = 0;
};
