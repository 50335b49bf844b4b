#pragma once
// Handing a file, a web address or a mail link to the desktop to open.

#include <QString>

class TShell {
public:
  virtual ~TShell() = default;
  // Opens item with the application the desktop has for it, in folder
  // verzeichnis; an item that names a file of that folder is that file,
  // whatever its name looks like. Nobody looks at the result: a failure
  // changes nothing.
  virtual void Oeffnen(const QString& item, const QString& verzeichnis) = 0;
};

// The desktop's own opener, xdg-open, started detached.
class TXdgShell final : public TShell {
public:
  void Oeffnen(const QString& item, const QString& verzeichnis) override;
};
