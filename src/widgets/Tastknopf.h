#pragma once
// A flat button the keyboard reaches: the Tab key gives it the focus (a
// mouse click does not), a dotted frame shows that focus, and Space, Return
// and Enter click it.

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPaintEvent>

namespace Tastknopf {

// Return or Enter (on the keypad too) without Shift, Ctrl or Alt.
bool IstKlicktaste(const QKeyEvent& taste);

// The dotted frame just inside the button's edge, in its caption's colour.
void ZeichneFokusrahmen(QAbstractButton& knopf);

}  // namespace Tastknopf

template <class TKnopf>
class TTastknopf final : public TKnopf {
public:
  explicit TTastknopf(QWidget* eltern) : TKnopf(eltern) { this->setFocusPolicy(Qt::TabFocus); }

protected:
  // One click for each press: a held key does not repeat the command.
  void keyPressEvent(QKeyEvent* taste) override {
    if (!Tastknopf::IstKlicktaste(*taste)) {
      TKnopf::keyPressEvent(taste);
      return;
    }
    taste->accept();
    if (!taste->isAutoRepeat()) this->click();
  }

  void paintEvent(QPaintEvent* ereignis) override {
    TKnopf::paintEvent(ereignis);
    if (this->hasFocus()) Tastknopf::ZeichneFokusrahmen(*this);
  }
};
