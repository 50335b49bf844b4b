#pragma once
// What the program keeps on disk while it works (temporary files, the office's
// folders and pipes) carries its process id in the name: a prefix, the id, a
// "-" and the rest. What a killed program left behind is removed by the next
// program that works in the same place.

#include <string>

// praefix, this program's process id and "-".
std::string EigenerAnfang(const std::string& praefix);

// Removes every entry of ordner (a folder with all it holds) that belongs to
// this user and is named praefix, a process id, "-" and more, when that
// process is gone. What cannot be removed stays; nothing is reported.
void EntferneVerwaiste(const std::string& ordner, const std::string& praefix);
