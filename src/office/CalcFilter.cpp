#include "office/CalcFilter.h"

#include <algorithm>

namespace {

bool EndetAuf(const std::string& name, const std::string& endung) {
  return name.size() >= endung.size() &&
         std::equal(endung.rbegin(), endung.rend(), name.rbegin(), [](char e, char n) {
           return e == (n >= 'A' && n <= 'Z' ? static_cast<char>(n - 'A' + 'a') : n);
         });
}

}  // namespace

std::string CalcFilter(const std::string& dateiname) {
  if (EndetAuf(dateiname, ".xlsx")) return "Calc MS Excel 2007 XML";
  if (EndetAuf(dateiname, ".ods")) return "calc8";
  return "MS Excel 97";
}
