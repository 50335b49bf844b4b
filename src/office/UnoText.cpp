#include "office/UnoText.h"

#include "office/Automation.h"
#include "platform/Cp1252Utf8.h"

#include <osl/file.hxx>
#include <rtl/ustrbuf.hxx>

#include <unistd.h>

rtl::OUString UnoVonCp1252(const std::string& text) {
  rtl::OUStringBuffer puffer(static_cast<sal_Int32>(text.size()));
  for (const char c : text) puffer.append(static_cast<sal_Unicode>(Cp1252Zeichen(static_cast<unsigned char>(c))));
  return puffer.makeStringAndClear();
}

rtl::OUString UnoVonUtf8(const std::string& text) {
  return rtl::OUString(text.data(), static_cast<sal_Int32>(text.size()), RTL_TEXTENCODING_UTF8);
}

std::string Utf8VonUno(const rtl::OUString& text) {
  const rtl::OString utf8 = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(utf8.getStr(), static_cast<std::size_t>(utf8.getLength()));
}

rtl::OUString DateiUrl(const std::string& pfad) {
  std::string absolut = pfad;
  if (absolut.empty() || absolut.front() != '/') {
    char ordner[4096];
    if (getcwd(ordner, sizeof ordner) == nullptr) throw EFehler(Ausnahmefehler);
    absolut = std::string(ordner) + "/" + pfad;
  }
  rtl::OUString url;
  if (osl::FileBase::getFileURLFromSystemPath(UnoVonUtf8(absolut), url) != osl::FileBase::E_None)
    throw EFehler(Ausnahmefehler);
  return url;
}
