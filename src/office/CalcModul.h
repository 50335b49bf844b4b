#pragma once
// The bridge to LibreOffice Calc is a module of its own, loaded only when a
// workbook is exported: the program starts and works without LibreOffice.
// The module's one entry point starts an "Excel.Application" served by the
// office in programmOrdner.

#include "office/Automation.h"

#include <string>

using TNeueCalcAnwendung = void(const std::string& programmOrdner, const std::string& arbeitsOrdner,
                                TDispatchPtr& anwendung);

inline constexpr const char* CalcModulName = "libscheibwart_calc.so";
inline constexpr const char* CalcModulEinstieg = "ScheibwartNeueCalcAnwendung";
