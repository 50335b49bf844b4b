#pragma once
// A folder of the program's own for one task (an office's user installation,
// a workbook being saved), made in a folder that only the user can enter. It
// holds an exclusive lock while the object lives and goes with all it holds
// with the object; what a killed program left is removed by the next one made
// with the same prefix, and only when nobody holds its lock any more.

#include <string>

class TPrivaterOrdner {
public:
  // A new folder praefix + six random characters in oberordner. Fails with
  // EFehler and the German text of the system error.
  TPrivaterOrdner(const std::string& oberordner, const std::string& praefix);
  ~TPrivaterOrdner();
  TPrivaterOrdner(const TPrivaterOrdner&) = delete;
  TPrivaterOrdner& operator=(const TPrivaterOrdner&) = delete;

  const std::string& Pfad() const { return Ordner; }

private:
  std::string Ordner;
  int Sperre = -1;  // the folder, opened and locked
};
