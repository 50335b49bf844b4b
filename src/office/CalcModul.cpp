// The entry point of the bridge module.

#include "office/CalcModul.h"

#include "office/CalcAnwendung.h"

extern "C" __attribute__((visibility("default"))) void ScheibwartNeueCalcAnwendung(
    const std::string& programmOrdner, const std::string& arbeitsOrdner, TDispatchPtr& anwendung) {
  anwendung = NeueCalcAnwendung(programmOrdner, arbeitsOrdner);
}

// The loader and the module agree on the entry point's type.
static_assert(std::is_same_v<decltype(ScheibwartNeueCalcAnwendung), TNeueCalcAnwendung>);
