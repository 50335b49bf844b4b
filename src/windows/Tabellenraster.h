#pragma once
// The string grid of the search window and the table overview: a view over a
// table of texts, which it asks for the texts of the rows it draws. Row 0 of
// the table is the fixed header row; the data rows follow, numbered from 1 as
// in the table.

#include "export/UTabelle.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <memory>

class TTabellenModell final : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;

  const TRaster& Tabelle() const { return *Inhalt; }
  void Setze(std::unique_ptr<TRaster> tabelle);

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int spalte, Qt::Orientation richtung, int rolle) const override;

private:
  std::unique_ptr<TRaster> Inhalt = std::make_unique<TTabelle>();
};

class TTabellenraster final : public QTableView {
  Q_OBJECT
public:
  TTabellenraster(QWidget* eltern, const char* name, int links, int oben, int breite, int hoehe);

  // Shows the table with its column widths; columns without a width keep
  // the default of 167 pixels; column 0, the row numbers, grows where its
  // numbers need more, and the last column yields that room. No row is
  // selected afterwards.
  template <class TTabellenart>
  void Zeige(TTabellenart tabelle) {
    Zeige(std::unique_ptr<TRaster>(std::make_unique<TTabellenart>(std::move(tabelle))));
  }
  void Zeige(std::unique_ptr<TRaster> tabelle);
  const TRaster& Tabelle() const { return Modell.Tabelle(); }

  // The table row of the selected row, 0 when no data row is selected.
  int GewaehlteZeile() const;

private:
  void PasseNummernspalteAn();

  TTabellenModell Modell;
};
