#include "export/ULookup.h"

#include "export/Programmangaben.h"
#include "platform/Cp1252Utf8.h"

namespace {

bool Unreserviert(unsigned char b) {
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
         b == '-' || b == '.' || b == '_' || b == '~';
}

}  // namespace

std::string LookupAdresse(const std::string& suchtext) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string adresse = Programmangaben::FilmSuche;
  for (const char c : Utf8VonCp1252(suchtext)) {
    const auto b = static_cast<unsigned char>(c);
    if (Unreserviert(b)) {
      adresse += c;
    } else {
      adresse += '%';
      adresse += Hex[b >> 4];
      adresse += Hex[b & 0x0F];
    }
  }
  return adresse + Programmangaben::FilmSucheEnde;
}
