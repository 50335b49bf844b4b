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
// is as wide as the last line or the visible area, whichever is wider.

#include <QAccessible>
#include <QListView>
#include <QPersistentModelIndex>

class TZeilenansicht : public QListView {
  Q_OBJECT
public:
  explicit TZeilenansicht(QWidget* parent = nullptr);

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& punkt) const override;
  void doItemsLayout() override;

protected:
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void updateGeometries() override;
  void rowsInserted(const QModelIndex& eltern, int von, int bis) override;
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

  QPersistentModelIndex Schwebend;  // the line under the mouse
};
