#include "platform/Inidatei.h"

#include "platform/AtomareDatei.h"
#include "platform/Fehler.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t MaxWertLaenge = 2047;

// One line of the file and the line end it had. A last line without a line
// feed has "" or, when it ends in a carriage return, "\r": that ends the line
// as "\r\n" would, so the line reads the same before and after a write
// completes its end.
struct TZeile {
  std::string Inhalt;
  std::string Ende;
};

std::vector<TZeile> Zeilen(const std::string& text) {
  std::vector<TZeile> zeilen;
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    const std::size_t nl = text.find('\n', anfang);
    if (nl == std::string::npos) {
      const bool cr = text.back() == '\r';
      zeilen.push_back({text.substr(anfang, text.size() - anfang - (cr ? 1 : 0)), cr ? "\r" : ""});
      break;
    }
    const bool cr = nl > anfang && text[nl - 1] == '\r';
    zeilen.push_back({text.substr(anfang, nl - anfang - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
    anfang = nl + 1;
  }
  return zeilen;
}

std::string Text(const std::vector<TZeile>& zeilen) {
  std::string text;
  for (const TZeile& z : zeilen) text += z.Inhalt + z.Ende;
  return text;
}

bool IstBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view OhneBlanks(std::string_view s) {
  while (!s.empty() && IstBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IstBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool GleichOhneFall(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Klein(a[i]) != Klein(b[i])) return false;
  return true;
}

// The name of a "[name]" line; any other line starting with "[" is junk.
std::optional<std::string_view> SektionsName(std::string_view zeile) {
  const std::string_view z = OhneBlanks(zeile);
  if (z.size() < 2 || z.front() != '[' || z.back() != ']') return std::nullopt;
  return OhneBlanks(z.substr(1, z.size() - 2));
}

struct TEintrag {
  std::string_view Schluessel;
  std::string_view Wert;
};

// A "key=value" line; comments and lines without a key are none.
std::optional<TEintrag> Eintrag(std::string_view zeile) {
  const std::string_view z = OhneBlanks(zeile);
  if (z.empty() || z.front() == ';') return std::nullopt;
  const std::size_t gleich = z.find('=');
  if (gleich == std::string_view::npos) return std::nullopt;
  const std::string_view schluessel = OhneBlanks(z.substr(0, gleich));
  if (schluessel.empty()) return std::nullopt;
  return TEintrag{schluessel, OhneBlanks(z.substr(gleich + 1))};
}

// Where the key lies. Only the first section of the name counts, and in it
// only the first line of the key.
struct TFundstelle {
  std::optional<std::size_t> Kopf;
  std::optional<std::size_t> Schluessel;
  std::size_t LetzterEintrag = 0;  // the section's last key line, else its head
};

TFundstelle Suche(const std::vector<TZeile>& zeilen, const std::string& sektion,
                  const std::string& schluessel) {
  TFundstelle fund;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (const auto name = SektionsName(zeilen[i].Inhalt)) {
      if (fund.Kopf) break;
      if (GleichOhneFall(*name, sektion)) fund.Kopf = fund.LetzterEintrag = i;
      continue;
    }
    if (!fund.Kopf) continue;
    if (const auto eintrag = Eintrag(zeilen[i].Inhalt)) {
      fund.LetzterEintrag = i;
      if (!fund.Schluessel && GleichOhneFall(eintrag->Schluessel, schluessel)) fund.Schluessel = i;
    }
  }
  return fund;
}

// Reads the whole file; 0 or the errno of the failure.
int LiesDatei(const std::string& datei, std::string& inhalt) {
  const int fd = open(datei.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  char puffer[4096];
  for (;;) {
    const ssize_t n = read(fd, puffer, sizeof puffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int errnum = errno;
      close(fd);
      return errnum;
    }
    if (n == 0) break;
    inhalt.append(puffer, static_cast<std::size_t>(n));
  }
  close(fd);
  return 0;
}

std::optional<std::string> Wert(const std::string& datei, const std::string& sektion,
                                const std::string& schluessel) {
  std::string text;
  if (LiesDatei(datei, text) != 0) return std::nullopt;
  const std::vector<TZeile> zeilen = Zeilen(text);
  const TFundstelle fund = Suche(zeilen, sektion, schluessel);
  if (!fund.Schluessel) return std::nullopt;
  std::string_view wert = Eintrag(zeilen[*fund.Schluessel].Inhalt)->Wert;
  if (wert.size() >= 2 && wert.front() == '"' && wert.back() == '"')
    wert = wert.substr(1, wert.size() - 2);
  return std::string(wert.substr(0, MaxWertLaenge));
}

bool IstDezimal(char c) { return c >= '0' && c <= '9'; }
bool IstHex(char c) { return IstDezimal(c) || (Klein(c) >= 'a' && Klein(c) <= 'f'); }

// Whether the text is a non-zero integer; nullopt when it is no integer.
// Only zero or not matters, so the number may have any length.
std::optional<bool> NichtNull(std::string_view text) {
  bool hex = false;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  } else if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  bool nichtNull = false;
  for (char c : text) {
    if (!(hex ? IstHex(c) : IstDezimal(c))) return std::nullopt;
    nichtNull = nichtNull || c != '0';
  }
  return nichtNull;
}

// Inserts a line before position pos; the line before it gets a whole line
// end if it was the last one and had none or only its carriage return.
void Einfuegen(std::vector<TZeile>& zeilen, std::size_t pos, TZeile zeile) {
  if (pos > 0) {
    std::string& davor = zeilen[pos - 1].Ende;
    if (davor.empty()) davor = zeile.Ende;
    if (davor == "\r") davor = "\r\n";
  }
  zeilen.insert(zeilen.begin() + static_cast<std::ptrdiff_t>(pos), std::move(zeile));
}

}  // namespace

std::string IniLiesText(const std::string& datei, const std::string& sektion,
                        const std::string& schluessel, const std::string& vorgabe) {
  return Wert(datei, sektion, schluessel).value_or(vorgabe);
}

bool IniLiesFlag(const std::string& datei, const std::string& sektion,
                 const std::string& schluessel, bool vorgabe) {
  const auto wert = Wert(datei, sektion, schluessel);
  return wert ? NichtNull(*wert).value_or(vorgabe) : vorgabe;
}

void IniSchreibeText(const std::string& datei, const std::string& sektion,
                     const std::string& schluessel, const std::string& wert) {
  const std::string fehlertext = "nach " + datei + " kann nicht geschrieben werden";
  std::string text;
  // A file that exists but cannot be read must not be replaced by one key.
  const int lesefehler = LiesDatei(datei, text);
  if (lesefehler != 0 && lesefehler != ENOENT) throw EFehler(fehlertext);

  std::vector<TZeile> zeilen = Zeilen(text);
  const std::string ende = !zeilen.empty() && zeilen.front().Ende.starts_with('\r') ? "\r\n" : "\n";
  const TFundstelle fund = Suche(zeilen, sektion, schluessel);
  if (fund.Schluessel) {
    TZeile& zeile = zeilen[*fund.Schluessel];
    zeile.Inhalt = std::string(Eintrag(zeile.Inhalt)->Schluessel) + "=" + wert;
  } else if (fund.Kopf) {
    // Blank lines and comments that trail the section stay behind the new key.
    Einfuegen(zeilen, fund.LetzterEintrag + 1, {schluessel + "=" + wert, ende});
  } else {
    Einfuegen(zeilen, zeilen.size(), {"[" + sektion + "]", ende});
    Einfuegen(zeilen, zeilen.size(), {schluessel + "=" + wert, ende});
  }

  const std::string neu = Text(zeilen);
  try {
    SchreibeDateiAtomar(datei, std::vector<std::uint8_t>(neu.begin(), neu.end()));
  } catch (const EFehler&) {
    throw EFehler(fehlertext);
  }
}

void IniSchreibeFlag(const std::string& datei, const std::string& sektion,
                     const std::string& schluessel, bool wert) {
  IniSchreibeText(datei, sektion, schluessel, wert ? "1" : "0");
}
