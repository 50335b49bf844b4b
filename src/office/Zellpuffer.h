#pragma once
// Cell texts put into a sheet, gathered so that they reach the office in
// blocks instead of one call per cell.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Neighbouring cells of one column, from ErsteZeile down; rows and columns
// counted from 1 as they were put.
struct TZellblock {
  std::int32_t Spalte;
  std::int32_t ErsteZeile;
  std::vector<std::string> Texte;
};

class TZellpuffer {
public:
  // A cell put again keeps only its last text.
  void Setze(std::int32_t zeile, std::int32_t spalte, std::string text);

  std::size_t Anzahl() const { return Zellen.size(); }

  // Every gathered cell, each exactly once, in as few blocks as the columns
  // and the gaps between rows allow; the buffer is empty afterwards.
  std::vector<TZellblock> Entnimm();

private:
  std::map<std::pair<std::int32_t, std::int32_t>, std::string> Zellen;  // by column, then row
};
