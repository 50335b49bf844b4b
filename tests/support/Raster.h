#pragma once
// Reading a string grid as the user sees it: row 0 the header row.

#include "windows/Tabellenraster.h"

#include <QHeaderView>
#include <QStringList>

inline QStringList Rasterzeile(const TTabellenraster* raster, int zeile) {
  QStringList texte;
  const QAbstractItemModel* modell = raster->model();
  for (int spalte = 0; spalte < modell->columnCount(); ++spalte)
    texte << (zeile == 0 ? modell->headerData(spalte, Qt::Horizontal) : modell->index(zeile - 1, spalte).data())
                 .toString();
  return texte;
}

// Rows including the header row.
inline int Rasterzeilen(const TTabellenraster* raster) { return raster->model()->rowCount() + 1; }

inline QList<int> Spaltenbreiten(const TTabellenraster* raster) {
  QList<int> breiten;
  for (int spalte = 0; spalte < raster->model()->columnCount(); ++spalte)
    breiten << raster->horizontalHeader()->sectionSize(spalte);
  return breiten;
}
