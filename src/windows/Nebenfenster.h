#pragma once
// A secondary window: made at start-up, shown modally from the main window,
// hidden again when closed and kept until the program ends, so it keeps the
// state of its controls between openings.

#include <QColor>
#include <QDialog>

class QPushButton;

class TNebenfenster : public QDialog {
  Q_OBJECT
public:
  // A fixed client area; with minimieren the frame also has a minimise box.
  TNebenfenster(QWidget* hauptfenster, const QString& titel, int breite, int hoehe,
                bool minimieren);

  void ShowModal() { exec(); }

protected:
  // The flat button "Fenster schliessen", its red symbol before the caption
  // unless told to go without.
  QPushButton* SchliessenKnopf(const char* name, int links, int oben, int breite, int hoehe,
                               bool symbol = true);
};
