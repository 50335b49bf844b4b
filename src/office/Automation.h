#pragma once
// Late-bound automation: objects created by program identifier whose
// properties and methods are called by name.
//
// Texts handed over are code page 1252, as every text of the core; a file
// name is in the system's encoding for file names, as the file functions take
// it. Failures are thrown as EFehler carrying the system's German text.

#include "platform/Fehler.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

class TDispatch;
using TDispatchPtr = std::shared_ptr<TDispatch>;

// A string handed by reference: the callee sees the caller's variable.
using TStringRef = std::reference_wrapper<std::string>;

// An argument or a result. The empty state is the result of a call that gives
// nothing back.
using TVariant =
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, std::string, TStringRef, TDispatchPtr>;

// The three ways of calling a member.
enum class TAufrufart { Methode, Lesen, Schreiben };

// An automation object. Member names are not case-sensitive. Releasing the
// last reference releases the object.
class TDispatch {
public:
  virtual ~TDispatch() = default;

  // For Schreiben the value to be put is the last argument, after the indexes.
  virtual TVariant Invoke(TAufrufart art, const std::string& name, const std::vector<TVariant>& argumente) = 0;

  TVariant Call(const std::string& name, const std::vector<TVariant>& argumente = {}) {
    return Invoke(TAufrufart::Methode, name, argumente);
  }
  TVariant Get(const std::string& name, const std::vector<TVariant>& argumente = {}) {
    return Invoke(TAufrufart::Lesen, name, argumente);
  }
  void Put(const std::string& name, std::vector<TVariant> argumente, TVariant wert) {
    argumente.push_back(std::move(wert));
    Invoke(TAufrufart::Schreiben, name, argumente);
  }
};

// The automation runtime of the thread.
class TAutomation {
public:
  virtual ~TAutomation() = default;

  // The new object of the class named by its program identifier, such as
  // "Excel.Application".
  virtual TDispatchPtr CreateOleObject(const std::string& klasse) = 0;
};

// The system's texts for failed automation calls.
inline constexpr const char* UngueltigeKlassenzeichenfolge = "Ungültige Klassenzeichenfolge";
inline constexpr const char* FehlerBeiDerServerausfuehrung = "Fehler bei der Serverausführung";
inline constexpr const char* UnbekannterName = "Unbekannter Name";
inline constexpr const char* MitgliedNichtGefunden = "Mitglied nicht gefunden";
inline constexpr const char* UngueltigeParameterzahl = "Ungültige Anzahl von Parametern";
inline constexpr const char* Typenkonflikt = "Typenkonflikt";
inline constexpr const char* UngueltigerIndex = "Ungültiger Index";
inline constexpr const char* ObjektGetrennt = "Das aufgerufene Objekt wurde von den Clients getrennt";
inline constexpr const char* Ausnahmefehler = "Ausnahmefehler aufgetreten";
