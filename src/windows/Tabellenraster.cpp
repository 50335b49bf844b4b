#include "windows/Tabellenraster.h"

#include "widgets/Aussehen.h"
#include "widgets/Cp1252.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor Kopffarbe{48, 84, 143};
constexpr int Zeilenhoehe = 20;
constexpr int Standardbreite = 167;

}  // namespace

void TTabellenModell::Setze(std::unique_ptr<TRaster> tabelle) {
  beginResetModel();
  Inhalt = std::move(tabelle);
  endResetModel();
}

int TTabellenModell::rowCount(const QModelIndex& eltern) const {
  if (eltern.isValid() || Inhalt->ZeilenZahl() == 0) return 0;
  return Inhalt->ZeilenZahl() - 1;
}

int TTabellenModell::columnCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : Inhalt->SpaltenZahl();
}

QVariant TTabellenModell::data(const QModelIndex& index, int rolle) const {
  if (rolle != Qt::DisplayRole || !index.isValid()) return {};
  return VonCp1252(Inhalt->Zelle(index.row() + 1, index.column()));
}

QVariant TTabellenModell::headerData(int spalte, Qt::Orientation richtung, int rolle) const {
  if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal || Inhalt->ZeilenZahl() == 0) return {};
  return VonCp1252(Inhalt->Zelle(0, spalte));
}

TTabellenraster::TTabellenraster(QWidget* eltern, const char* name, int links, int oben,
                                 int breite, int hoehe)
    : QTableView(eltern), Modell(this) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(links, oben, breite, hoehe);
  setModel(&Modell);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The Tab key passes it by (where its window does not say otherwise), and
  // leaves it again once a click or the search has put the focus there,
  // instead of walking from cell to cell.
  setFocusPolicy(Qt::ClickFocus);
  setTabKeyNavigation(false);
  setFont(Aussehen::SansSerif());

  // Every row has the same height, so even a long table is laid out at once.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
  verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
  horizontalHeader()->setDefaultSectionSize(Standardbreite);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);  // widths are the program's
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setFixedHeight(Zeilenhoehe);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setStretchLastSection(false);

  QPalette farben = palette();
  farben.setColor(QPalette::Base, Aussehen::Fensterfarbe);
  farben.setColor(QPalette::Window, Aussehen::Fensterfarbe);
  farben.setColor(QPalette::Text, Qt::white);
  setPalette(farben);
  horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView { background-color: %3; }"
                     "QHeaderView::section { background-color: %1; color: white; padding-left: 2px;"
                     " border: 0px; border-right: 1px solid %2; border-bottom: 1px solid %2; }")
          .arg(Kopffarbe.name(), Aussehen::Fensterfarbe.darker(150).name(),
               Aussehen::Fensterfarbe.name()));
}

void TTabellenraster::Zeige(std::unique_ptr<TRaster> tabelle) {
  Modell.Setze(std::move(tabelle));
  const std::vector<int>& breiten = Modell.Tabelle().Spaltenbreiten();
  for (int spalte = 0; spalte < Modell.columnCount(); ++spalte) {
    const auto s = static_cast<std::size_t>(spalte);
    setColumnWidth(spalte, s < breiten.size() ? breiten[s] : Standardbreite);
  }
  PasseNummernspalteAn();
  clearSelection();
  setCurrentIndex(QModelIndex());
  scrollToTop();
}

// Column 0 numbers the rows. It keeps its width while the numbers fit and
// grows as far as the widest needs, that of the last row: the numbers rise
// down the column. What the columns then lack in room, the last one gives
// up, so that the grid, which has no horizontal scroll bar, never moves
// sideways.
void TTabellenraster::PasseNummernspalteAn() {
  const int zeilen = Modell.rowCount();
  const int letzte = Modell.columnCount() - 1;
  if (zeilen == 0 || letzte < 0) return;
  const int noetig = sizeHintForIndex(Modell.index(zeilen - 1, 0)).width() + (showGrid() ? 1 : 0);
  const int mehr = noetig - columnWidth(0);
  if (mehr <= 0) return;
  setColumnWidth(0, noetig);
  if (letzte == 0) return;
  const int innen = height() - 2 * frameWidth();
  const bool leiste = zeilen * Zeilenhoehe > innen - Zeilenhoehe;  // the header row
  const int platz = width() - 2 * frameWidth() - (leiste ? verticalScrollBar()->sizeHint().width() : 0);
  const int ueber = std::min(mehr, horizontalHeader()->length() - platz);
  if (ueber > 0) setColumnWidth(letzte, columnWidth(letzte) - ueber);
}

int TTabellenraster::GewaehlteZeile() const {
  // One row at most can be selected.
  const QModelIndexList zeilen = selectionModel()->selectedRows();
  return zeilen.isEmpty() ? 0 : zeilen.first().row() + 1;
}
