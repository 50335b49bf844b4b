#pragma once
// The named pipes of the offices the program starts: Unix sockets that
// LibreOffice puts in a folder every user may write into, so that another
// user can plant one under the name the program is about to connect to.

#include <string>
#include <sys/types.h>
#include <vector>

// Where LibreOffice puts its pipes: /tmp, or /var/tmp where /tmp cannot be
// written.
std::string Rohrordner();

// How the names of this user's pipes begin: "OSL_PIPE_<uid>_".
std::string RohrAnfang();

// This user's pipe of that name in Rohrordner().
std::string RohrPfad(const std::string& name);

// Fehlt: nothing listens there yet (no such entry, or a socket of this user's
// that refuses). Eigen: a socket of this user's, not a link, on which the
// process prozess listens. Fremd: anything else, which must not be used.
enum class TRohrstand { Fehlt, Eigen, Fremd };
TRohrstand PruefeRohr(const std::string& pfad, pid_t prozess);

// Removes the sockets in ordner whose name begins with one of praefixe, that
// belong to this user and on which nobody listens any more (a connection is
// refused): what killed offices left. Links and anything else stay, and so
// does every socket that is still served, also from another PID namespace.
void EntferneToteRohre(const std::string& ordner, const std::vector<std::string>& praefixe);
