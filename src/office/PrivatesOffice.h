#pragma once
// A LibreOffice of the program's own for one session: soffice.bin started
// headless with a fresh user installation in a folder of the program's and a
// pipe of its own. It shares nothing with an office the user has open, so
// ending it touches no other document. It is ended with the object on every
// path, and the system ends it when the program dies.

#include "office/Kindprozess.h"
#include "platform/PrivaterOrdner.h"

#include <com/sun/star/connection/XConnector.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <memory>
#include <optional>
#include <string>

class TPrivatesOffice {
public:
  // Starts the office whose soffice.bin lies in programmOrdner, with its user
  // installation and its temporary files in a new private folder under
  // arbeitsOrdner (a folder only the user can enter), and connects to it.
  // Fails with EFehler "Fehler bei der Serverausführung".
  TPrivatesOffice(const std::string& programmOrdner, const std::string& arbeitsOrdner);
  ~TPrivatesOffice() { Beende(); }
  TPrivatesOffice(const TPrivatesOffice&) = delete;
  TPrivatesOffice& operator=(const TPrivatesOffice&) = delete;

  // The office's component context; empty once the office is ended.
  css::uno::Reference<css::uno::XComponentContext> Kontext() const { return Entfernt; }

  // Asks the office to terminate, kills it when it has not ended in time and
  // removes its user installation. Later calls do nothing.
  void Beende() noexcept;

private:
  void Verbinde();
  // Connects to the office's pipe once it has been checked; false when the
  // office is not there (any more).
  bool Verbunden(css::connection::XConnector& connector);

  std::string Programm, Rohr;
  std::optional<TPrivaterOrdner> Profil;
  std::unique_ptr<TKindprozess> Prozess;
  css::uno::Reference<css::uno::XComponentContext> Lokal, Entfernt;
  css::uno::Reference<css::lang::XComponent> Bruecke;
};
