#pragma once
// A secondary window: made at start-up, shown modally from the main window,
// hidden again when closed and kept until the program ends, so it keeps the
// state of its controls between openings.

#include <QColor>
#include <QDialog>
#include <QPoint>

#include <optional>

class QPushButton;

class TNebenfenster : public QDialog {
  Q_OBJECT
public:
  // Where the window stands when it is shown. With the first two it is
  // placed so the first time, and afterwards opened where it was last (where
  // the user moved it, too). A window with a placement of its own does that
  // itself.
  enum class TPlatz { UeberHauptfenster, Bildschirmmitte, EigeneRegel };

  // A fixed client area; with minimieren the frame also has a minimise box.
  TNebenfenster(QWidget* hauptfenster, const QString& titel, int breite, int hoehe,
                bool minimieren, TPlatz platz = TPlatz::UeberHauptfenster);

  void ShowModal() { exec(); }

protected:
  // The flat button "Fenster schliessen", its red symbol before the caption
  // unless told to go without.
  QPushButton* SchliessenKnopf(const char* name, int links, int oben, int breite, int hoehe,
                               bool symbol = true);

  // Puts the window's top-left corner on the main window's. Before the window
  // has been on the screen its frame is not known; it is taken to be as wide
  // as the main window's, the same window manager framing both.
  void AufHauptfensterEcke();

  // A window that places itself does so in its showEvent after this one's.
  void showEvent(QShowEvent* ereignis) override;
  void hideEvent(QHideEvent* ereignis) override;
  void moveEvent(QMoveEvent* ereignis) override;
  bool event(QEvent* ereignis) override;

private:
  TPlatz Platz;
  // The top-left corner of the client area when the window was last hidden.
  std::optional<QPoint> LetzterPlatz;
  // Where the program put the client area at this showing, until the window
  // manager has placed the window and its first painting is done.
  std::optional<QPoint> Soll;
};
