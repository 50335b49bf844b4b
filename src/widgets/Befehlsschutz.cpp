#include "widgets/Befehlsschutz.h"

#include "widgets/Anwendungstitel.h"
#include "widgets/Dialoge.h"
#include "platform/Fehler.h"

#include <new>

void Fehlerbox(TDialoge& dialoge, QWidget* besitzer, const std::string& meldung) {
  dialoge.Meldung(besitzer, QString::fromUtf8(AnwendungsTitel),
                  QString::fromUtf8(FehlerboxText(meldung)), TKnoepfe::Ok, TSymbol::Stop);
}

bool Befehlsschutz(TDialoge& dialoge, QWidget* besitzer, const std::function<void()>& befehl) {
  try {
    befehl();
    return true;
  } catch (const std::bad_alloc&) {
    Fehlerbox(dialoge, besitzer, ZuWenigArbeitsspeicher);
  } catch (const std::exception& fehler) {
    Fehlerbox(dialoge, besitzer, fehler.what());
  }
  return false;
}
