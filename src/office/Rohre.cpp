#include "office/Rohre.h"

#include "platform/Deskriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// What connecting to a socket of this user's tells.
enum class TVerbindung { Abgewiesen, Besetzt, Verbunden, Gescheitert };

// A socket of its own for each attempt.
int NeuerSocket() { return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

TVerbindung Verbinde(const TDeskriptor& verbindung, const std::string& pfad) {
  sockaddr_un adresse{};
  adresse.sun_family = AF_UNIX;
  if (verbindung < 0 || pfad.size() >= sizeof adresse.sun_path) return TVerbindung::Gescheitert;
  std::memcpy(adresse.sun_path, pfad.c_str(), pfad.size() + 1);
  if (connect(verbindung, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) == 0)
    return TVerbindung::Verbunden;
  // A full queue of a listening socket is EAGAIN: someone is there.
  if (errno == ECONNREFUSED) return TVerbindung::Abgewiesen;
  return errno == EAGAIN ? TVerbindung::Besetzt : TVerbindung::Gescheitert;
}

bool EigenerSocket(const std::string& pfad) {
  struct stat st {};
  return lstat(pfad.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == geteuid();
}

}  // namespace

std::string Rohrordner() { return access("/tmp", W_OK) == 0 ? "/tmp" : "/var/tmp"; }

std::string RohrAnfang() { return "OSL_PIPE_" + std::to_string(getuid()) + "_"; }

std::string RohrPfad(const std::string& name) { return Rohrordner() + "/" + RohrAnfang() + name; }

TRohrstand PruefeRohr(const std::string& pfad, pid_t prozess) {
  struct stat st {};
  if (lstat(pfad.c_str(), &st) != 0) return errno == ENOENT ? TRohrstand::Fehlt : TRohrstand::Fremd;
  if (!S_ISSOCK(st.st_mode) || st.st_uid != geteuid()) return TRohrstand::Fremd;
  // Only this user can bind a socket there now; whose process listens is told
  // by the credentials the kernel gives the connection.
  const TDeskriptor verbindung(NeuerSocket());
  switch (Verbinde(verbindung, pfad)) {
    case TVerbindung::Abgewiesen:
    case TVerbindung::Besetzt: return TRohrstand::Fehlt;
    case TVerbindung::Gescheitert: return TRohrstand::Fremd;
    case TVerbindung::Verbunden: break;
  }
  ucred gegenueber{};
  socklen_t laenge = sizeof gegenueber;
  if (getsockopt(verbindung, SOL_SOCKET, SO_PEERCRED, &gegenueber, &laenge) != 0) return TRohrstand::Fremd;
  return gegenueber.pid == prozess && gegenueber.uid == geteuid() ? TRohrstand::Eigen : TRohrstand::Fremd;
}

void EntferneToteRohre(const std::string& ordner, const std::vector<std::string>& praefixe) {
  const std::unique_ptr<DIR, int (*)(DIR*)> eintraege(opendir(ordner.c_str()), closedir);
  if (!eintraege) return;
  while (const dirent* eintrag = readdir(eintraege.get())) {
    const std::string name = eintrag->d_name;
    if (std::none_of(praefixe.begin(), praefixe.end(), [&](const std::string& p) { return name.starts_with(p); }))
      continue;
    const std::string pfad = ordner + "/" + name;
    if (EigenerSocket(pfad) && Verbinde(TDeskriptor(NeuerSocket()), pfad) == TVerbindung::Abgewiesen) unlink(pfad.c_str());
  }
}
