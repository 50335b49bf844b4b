#include "office/PrivatesOffice.h"

#include "office/Automation.h"
#include "office/Rohre.h"
#include "office/UnoText.h"

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include <chrono>
#include <csignal>
#include <future>
#include <random>
#include <system_error>
#include <thread>

using namespace css;

namespace {

using namespace std::chrono_literals;

// A slow machine starts the office in a few seconds; this is long enough for
// a busy one and still ends a hanging start.
constexpr auto Startfrist = 90s;
constexpr auto Endefrist = 15s;

// soffice.bin asks for a restart after it has set up a new user installation.
constexpr int Neustart = 81;

const std::string RohrPraefix = "scheibwart-";
const std::string OrdnerPraefix = "office-";

std::string Zufallsname() {
  std::random_device zufall;
  return RohrPraefix + std::to_string(zufall()) + std::to_string(zufall());
}

// Removes the pipes that ended offices left: the one each office accepts on,
// and the one every office makes so that a second start hands over to it.
// Neither can be kept from being made, and a killed office leaves both.
void EntferneToteOfficeRohre() {
  EntferneToteRohre(Rohrordner(), {RohrAnfang() + RohrPraefix, RohrAnfang() + "SingleOfficeIPC_"});
}

// The bridge writes to the office's pipe unguarded: an office that dies during
// a call must fail that call, not end the program with SIGPIPE. A handler the
// program has set stays.
void UeberlebeGeschlosseneRohre() {
  struct sigaction bisher {};
  if (sigaction(SIGPIPE, nullptr, &bisher) == 0 && bisher.sa_handler == SIG_DFL) std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

TPrivatesOffice::TPrivatesOffice(const std::string& programmOrdner, const std::string& arbeitsOrdner)
    : Programm(programmOrdner + "/soffice.bin"), Rohr(Zufallsname()) {
  EntferneToteOfficeRohre();
  UeberlebeGeschlosseneRohre();
  try {
    Profil.emplace(arbeitsOrdner, OrdnerPraefix);
    // The program's side of the bridge reads the office's types and services.
    rtl::Bootstrap::set("URE_BOOTSTRAP", UnoVonUtf8("vnd.sun.star.pathname:" + programmOrdner + "/fundamentalrc"));
    Lokal = cppu::defaultBootstrap_InitialComponentContext(DateiUrl(programmOrdner + "/unorc"));
    Verbinde();
  } catch (...) {
    Beende();
    throw EFehler(FehlerBeiDerServerausfuehrung);
  }
}

void TPrivatesOffice::Verbinde() {
  const std::vector<std::string> argumente{
      "--headless", "--invisible", "--nologo", "--nodefault", "--norestore", "--nolockcheck",
      "-env:UserInstallation=" + Utf8VonUno(DateiUrl(Profil->Pfad())),
      "--accept=pipe,name=" + Rohr + ";urp;StarOffice.ComponentContext"};
  // The office's own temporary files go into the folder too, and with it.
  const std::vector<std::string> umgebung{"TMPDIR=" + Profil->Pfad()};
  Prozess = std::make_unique<TKindprozess>(Programm, argumente, umgebung);

  const auto connector = connection::Connector::create(Lokal);
  const auto ende = std::chrono::steady_clock::now() + Startfrist;
  for (;;) {
    if (const auto status = Prozess->Status()) {
      if (*status != Neustart) throw EFehler(FehlerBeiDerServerausfuehrung);
      Prozess = std::make_unique<TKindprozess>(Programm, argumente, umgebung);
    }
    if (std::chrono::steady_clock::now() >= ende) throw EFehler(FehlerBeiDerServerausfuehrung);
    // The pipe's name can be read by every user: a socket that another one
    // bound first under it would receive the connection.
    switch (PruefeRohr(RohrPfad(Rohr), Prozess->Pid())) {
      case TRohrstand::Fremd: throw EFehler(FehlerBeiDerServerausfuehrung);
      case TRohrstand::Eigen:
        if (Verbunden(*connector)) return;
        break;
      case TRohrstand::Fehlt: break;  // not listening yet
    }
    std::this_thread::sleep_for(20ms);
  }
}

bool TPrivatesOffice::Verbunden(connection::XConnector& connector) {
  try {
    const auto verbindung = connector.connect(UnoVonUtf8("pipe,name=" + Rohr));
    const auto bruecke =
        bridge::BridgeFactory::create(Lokal)->createBridge(rtl::OUString(), "urp", verbindung, nullptr);
    Bruecke.set(bruecke, uno::UNO_QUERY_THROW);
    Entfernt.set(bruecke->getInstance("StarOffice.ComponentContext"), uno::UNO_QUERY_THROW);
    return true;
  } catch (const connection::NoConnectException&) {
    // an office that went away after the check
  } catch (const uno::RuntimeException&) {
    // an office that went away while the connection was made
    if (Bruecke.is()) Bruecke->dispose();
    Bruecke.clear();
  }
  return false;
}

void TPrivatesOffice::Beende() noexcept {
  if (Entfernt.is()) {
    // Asked on a thread of its own: an office that does not answer in time is
    // killed, which ends the call as well.
    try {
      auto beendet = std::async(std::launch::async, [kontext = Entfernt] {
        try {
          frame::Desktop::create(kontext)->terminate();
        } catch (const uno::Exception&) {
          // the connection ends with the office; that is the expected way out
        }
      });
      if (beendet.wait_for(Endefrist) != std::future_status::ready) Prozess->Toete();
      beendet.wait();
    } catch (const std::system_error&) {
      Prozess->Toete();  // no thread to ask on
    }
  }
  Entfernt.clear();
  try {
    if (Bruecke.is()) Bruecke->dispose();
    if (const uno::Reference<lang::XComponent> lokal{Lokal, uno::UNO_QUERY}; lokal.is()) lokal->dispose();
  } catch (const uno::Exception&) {
  }
  Bruecke.clear();
  Lokal.clear();
  if (Prozess) {
    Prozess->Warte(Endefrist);
    Prozess.reset();  // kills what is left
    EntferneToteOfficeRohre();
  }
  Profil.reset();
}
