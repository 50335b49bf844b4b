#pragma once
// A single-selection list box that never sorts itself and whose selection the
// user cannot clear: while it has lines, one of them stays selected.
//
// Click() is the user's selection of a line, by mouse or keyboard; setting
// the selection from the program does not emit it.

#include <QListWidget>

class TListBox : public QListWidget {
  Q_OBJECT
public:
  explicit TListBox(QWidget* parent = nullptr);

  int Count() const { return count(); }
  QString Item(int i) const;
  void Add(const QString& zeile);
  void Clear() { clear(); }

  // The selected line, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int i);

signals:
  void Click();
  // A double click anywhere in the list, on a line or beside the lines.
  void DblClick();

protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};
