#pragma once
// Temporary files the program keeps beside a file while it writes carry its
// process id in the name: a prefix, the id, a "-" and the rest. Their writer
// holds an exclusive flock on each for as long as it lives, so what a killed
// program left behind is known by a lock anyone can take, also across PID
// namespaces and machines sharing the folder, and the next program that works
// in the same place removes it.

#include <string>

// praefix, this program's process id and "-".
std::string EigenerAnfang(const std::string& praefix);

// The regular file of this user's at name in the folder ordnerFd (AT_FDCWD:
// name is a path), opened with modus (O_RDONLY or O_RDWR) and locked, when
// no running program holds its lock; otherwise -1. Links are not followed,
// and nothing opened can block.
int VerlassenUndGesperrt(int ordnerFd, const char* name, int modus);

// Removes every regular file of ordner (the folder's descriptor, or its path)
// that belongs to this user, is named praefix, a process id, "-" and more,
// and whose writer has ended: no process of that id runs here and the file's
// lock can be taken. Folders, links and other kinds of entries stay, and so
// does what cannot be removed; nothing is reported.
void EntferneVerwaiste(int ordnerFd, const std::string& praefix);
void EntferneVerwaiste(const std::string& ordner, const std::string& praefix);
