#pragma once
// The whole program's windows: the main window first, then the secondary
// windows in their fixed order, all hidden until they are shown.

#include "main/Hauptformular.h"
#include "widgets/Umgebung.h"

#include <memory>

class TProgramm {
public:
  explicit TProgramm(const TUmgebung& umgebung);

  TFHaupt& Haupt() { return *FHaupt; }
  const TFensterSatz& Fenster() const { return Nebenfenster; }

  // Shows the main window centred on the desktop; its first showing reads the
  // settings and loads the collection.
  void Start();

private:
  // The secondary windows are children of the main window and go with it.
  std::unique_ptr<TFHaupt> FHaupt;
  TFensterSatz Nebenfenster;
};
