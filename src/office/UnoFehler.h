#pragma once
// Failures of LibreOffice as the one error type of the program.

#include "office/Automation.h"
#include "office/UnoText.h"

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>

// Runs a call into LibreOffice. A UNO exception becomes EFehler: an office
// that has gone away "Das aufgerufene Objekt wurde von den Clients getrennt",
// anything else "Ausnahmefehler aufgetreten" with LibreOffice's own message.
template <class F>
auto UnoAufruf(F&& aufruf) -> decltype(aufruf()) {
  try {
    return aufruf();
  } catch (const css::lang::DisposedException&) {
    throw EFehler(ObjektGetrennt);
  } catch (const css::uno::Exception& fehler) {
    const std::string meldung = Utf8VonUno(fehler.Message);
    throw EFehler(meldung.empty() ? std::string(Ausnahmefehler) : std::string(Ausnahmefehler) + ": " + meldung);
  }
}
