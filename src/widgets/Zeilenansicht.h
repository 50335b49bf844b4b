#pragma once
// A list of lines that are all as high as the last: a QListView in which
// inserting, removing or changing a line costs the same at any length.
//
// QListView keeps a position for every line and lays all of them out again
// after any line is inserted, removed or changed. Here a line's place follows
// from its row, so nothing is kept per line and QListView never lays out. It
// looks and behaves as QListView does for one column of lines that can all be
// selected, flowing from top to bottom and scrolled line by line: painting,
// keys, mouse, scroll bars and what assistive technology is told. Every line
// is as wide as the widest line or the visible area, whichever is wider, and
// a line too wide for the list is cut at its edge, never shortened with "…".

#include <QAccessible>
#include <QListView>
#include <QPersistentModelIndex>

class QTimer;

class TZeilenansicht : public QListView {
  Q_OBJECT
public:
  explicit TZeilenansicht(QWidget* parent = nullptr);

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& punkt) const override;
  void doItemsLayout() override;
  void setModel(QAbstractItemModel* modell) override;
  void reset() override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void updateGeometries() override;
  void rowsInserted(const QModelIndex& eltern, int von, int bis) override;
  void dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen) override;
  int horizontalOffset() const override;
  int verticalOffset() const override;
  QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers modifiers) override;
  void setSelection(const QRect& rechteck, QItemSelectionModel::SelectionFlags befehl) override;
  QRegion visualRegionForSelection(const QItemSelection& auswahl) const override;
  void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;
  void selectionChanged(const QItemSelection& gewaehlt, const QItemSelection& abgewaehlt) override;

private:
  struct TLage;
  // Where the lines lie in the visible area right now.
  TLage Lage() const;
  QModelIndex Index(int row) const;
  void MeldeZugaenglich(QAccessible::Event art, const QModelIndex& index);

  // The widest line is found a slice at a time, so that no command on a
  // long list waits for every line to be made and measured.
  void MissAlle();
  void MissWeiter();
  void Miss(int von, int bis);
  void ZeilenEntfernt(const QModelIndex& eltern, int von, int bis);

  QPersistentModelIndex Schwebend;  // the line under the mouse
  QTimer* Messung;
  int Gemessen = 0;     // the first lines, whose widths Breiteste counts
  int Breiteste = 0;    // width of the widest of them
  int Breitester = -1;  // its row
};
