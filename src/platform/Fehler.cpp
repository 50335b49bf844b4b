#include "platform/Fehler.h"

std::string FehlerboxText(const std::string& meldung) {
  if (!meldung.empty() && static_cast<unsigned char>(meldung.back()) > '.')
    return meldung + ".";
  return meldung;
}
