#pragma once
// What a file held when the program last read or wrote it, told apart from
// any later change without reading the file again.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct stat;

// Which file it is (device and inode) and the marks every change of it
// leaves (size, modification and change times to the nanosecond). Equal
// stands mean that nobody wrote, replaced, touched or re-moded the file in
// between.
struct TDateistand {
  std::uint64_t Geraet = 0, Knoten = 0;
  std::int64_t Groesse = 0;
  std::int64_t GeaendertSek = 0, GeaendertNsek = 0, StatusSek = 0, StatusNsek = 0;

  explicit TDateistand(const struct stat& st);
  // The stand of an open file; nullopt when the system cannot tell it.
  static std::optional<TDateistand> Von(int fd);
  // The stand of the file pfad names, links followed; nullopt when there is none.
  static std::optional<TDateistand> VonPfad(const std::string& pfad);

  bool GleicheDatei(const TDateistand& anderer) const {
    return Geraet == anderer.Geraet && Knoten == anderer.Knoten;
  }
  friend bool operator==(const TDateistand&, const TDateistand&) = default;
};

// The file the program last read or wrote under a name, and its stand then,
// so that writing it again can tell whether another program changed it.
class TGemerkteDatei {
public:
  void Merke(const std::string& pfad, const TDateistand& stand);
  void Vergiss();

  // Whether writing pfad would replace the remembered file although it no
  // longer holds what was remembered. pfad names that file when it is the
  // same file, or the same place (links of the name or its folders followed,
  // so another spelling counts too); a name that leads nowhere now loses
  // nothing by being written.
  bool FremdGeaendert(const std::string& pfad) const;

  // The file as it was named when remembered, and its stand then; no stand
  // when none is remembered.
  const std::string& Pfad() const { return Name; }
  const std::optional<TDateistand>& Stand() const { return GemerkterStand; }

private:
  std::string Name;
  std::optional<TDateistand> GemerkterStand;
  std::vector<std::string> Orte;
};
