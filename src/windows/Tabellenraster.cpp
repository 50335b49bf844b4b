#include "windows/Tabellenraster.h"

#include "platform/Aussehen.h"
#include "platform/Cp1252.h"

#include <QHeaderView>

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
  setFocusPolicy(Qt::ClickFocus);  // the Tab key passes it by
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
  clearSelection();
  setCurrentIndex(QModelIndex());
  scrollToTop();
}

int TTabellenraster::GewaehlteZeile() const {
  // One row at most can be selected.
  const QModelIndexList zeilen = selectionModel()->selectedRows();
  return zeilen.isEmpty() ? 0 : zeilen.first().row() + 1;
}
