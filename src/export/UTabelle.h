#pragma once
// Tables of texts made from the collection: what the table overview and the
// search window show in their grids, and what the spreadsheet export copies.

#include "model/UDatbas.h"
#include "model/USammlungsart.h"

#include <string>
#include <vector>

// A table of texts as a grid shows it: row 0 the headings, the data rows
// after it.
class TRaster {
public:
  virtual int SpaltenZahl() const = 0;
  virtual int ZeilenZahl() const = 0;  // the heading row included
  // A text missing from a short row is an empty one.
  virtual std::string Zelle(int zeile, int spalte) const = 0;
  // The columns' widths in pixels; a column without one keeps the grid's own.
  virtual const std::vector<int>& Spaltenbreiten() const = 0;

  std::vector<std::string> Zeile(int zeile) const;

  virtual ~TRaster() = default;
};

// A table of texts given row by row: blank grids, and tables made by hand.
struct TTabelle final : TRaster {
  TTabelle() = default;
  TTabelle(int spalten, std::vector<int> breiten, std::vector<std::vector<std::string>> zeilen)
      : Spalten(spalten), Breiten(std::move(breiten)), Zeilen(std::move(zeilen)) {}

  int SpaltenZahl() const override { return Spalten; }
  int ZeilenZahl() const override { return static_cast<int>(Zeilen.size()); }
  std::string Zelle(int zeile, int spalte) const override;
  const std::vector<int>& Spaltenbreiten() const override { return Breiten; }

  int Spalten = 0;
  std::vector<int> Breiten;
  std::vector<std::vector<std::string>> Zeilen;
};

// The headings ("#" and the field names), then for each position the position
// in decimal and the fields of that record as stored. The texts are read from
// the store when they are asked for; the table keeps only the positions. A
// position the store no longer has gives empty fields.
class TSammlungstabelle final : public TRaster {
public:
  TSammlungstabelle(const TDatBas& datBas, TSammlungsart art, std::vector<int> positionen,
                    std::vector<int> breiten);

  int SpaltenZahl() const override { return static_cast<int>(Kopf.size()); }
  int ZeilenZahl() const override { return static_cast<int>(Positionen.size()) + 1; }
  std::string Zelle(int zeile, int spalte) const override;
  const std::vector<int>& Spaltenbreiten() const override { return Breiten; }

private:
  const TDatBas* DatBas;
  TSammlungsart Art;
  std::vector<std::string> Kopf;
  std::vector<int> Positionen, Breiten;
};

// The table overview: every film or every game in collection order, and the
// window caption that names the kind.
TSammlungstabelle Uebersicht(const TDatBas& datBas, TSammlungsart art);
std::string UebersichtTitel(TSammlungsart art);
