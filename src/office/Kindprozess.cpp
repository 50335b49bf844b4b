#include "office/Kindprozess.h"

#include "office/Automation.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The pointers that exec takes, ended by a null pointer.
std::vector<char*> Zeiger(std::vector<std::string>& texte) {
  std::vector<char*> zeiger;
  for (std::string& text : texte) zeiger.push_back(text.data());
  zeiger.push_back(nullptr);
  return zeiger;
}

}  // namespace

TKindprozess::TKindprozess(const std::string& programm, const std::vector<std::string>& argumente,
                           const std::vector<std::string>& umgebung) {
  // Everything the child needs is made before fork: after it only calls that
  // are safe in a copy of a multi-threaded process.
  std::vector<std::string> argv{programm};
  argv.insert(argv.end(), argumente.begin(), argumente.end());
  const std::vector<char*> zeiger = Zeiger(argv);
  std::vector<std::string> variablen = umgebung;
  for (char** eigene = environ; *eigene != nullptr; ++eigene) {
    const std::string_view variable = *eigene;
    const std::string_view name = variable.substr(0, variable.find('=') + 1);
    if (std::none_of(umgebung.begin(), umgebung.end(), [&](const std::string& v) { return v.starts_with(name); }))
      variablen.emplace_back(variable);
  }
  const std::vector<char*> umgebungsZeiger = Zeiger(variablen);
  const pid_t eltern = getpid();

  Prozess = fork();
  if (Prozess < 0) throw EFehler(FehlerBeiDerServerausfuehrung);
  if (Prozess == 0) {
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != eltern) _exit(127);  // the program ended before the line above
    const int nichts = open("/dev/null", O_RDWR);
    if (nichts >= 0) {
      dup2(nichts, STDIN_FILENO);
      dup2(nichts, STDOUT_FILENO);
    }
    close_range(STDERR_FILENO + 1, ~0U, 0);
    execve(zeiger[0], zeiger.data(), umgebungsZeiger.data());
    _exit(127);
  }
  // Also from this side, so that the group exists before anyone kills it.
  setpgid(Prozess, Prozess);
}

void TKindprozess::Einsammeln(int status) {
  Eingesammelt = true;
  Ende = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::optional<int> TKindprozess::Status() {
  if (!Eingesammelt) {
    // Leftovers of the group go before the leader is collected, while its
    // number cannot be given to another process.
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(Prozess), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
      if (errno == EINTR) return std::nullopt;
      Eingesammelt = true;  // collected elsewhere: gone, with no code to tell
      Ende = -1;
      return Ende;
    }
    if (info.si_pid == 0) return std::nullopt;
    kill(-Prozess, SIGKILL);
    int status = 0;
    if (waitpid(Prozess, &status, 0) == Prozess) Einsammeln(status);
  }
  return Ende;
}

bool TKindprozess::Warte(std::chrono::milliseconds frist) {
  const auto ende = std::chrono::steady_clock::now() + frist;
  while (!Status()) {
    if (std::chrono::steady_clock::now() >= ende) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

void TKindprozess::Toete() noexcept {
  if (Eingesammelt || Prozess <= 0) return;
  kill(-Prozess, SIGKILL);
  kill(Prozess, SIGKILL);
  int status = 0;
  while (waitpid(Prozess, &status, 0) < 0 && errno == EINTR) {
  }
  Einsammeln(status);
}
