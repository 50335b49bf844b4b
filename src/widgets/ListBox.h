#pragma once
// A single-selection list box that never sorts itself and whose selection the
// user cannot clear: while it has lines, one of them stays selected.
//
// It shows lines of its own, or the lines of a model it is given (the film
// and game lists show the store that way, making each line when it is drawn).
//
// Click() is the user's selection of a line, by mouse or keyboard; setting
// the selection from the program does not emit it.

#include "widgets/Zeilenansicht.h"

class QStringListModel;

class TListBox : public TZeilenansicht {
  Q_OBJECT
public:
  explicit TListBox(QWidget* parent = nullptr);

  // Shows the lines of modell from now on; the list box does not own it.
  void SetzeModell(QAbstractItemModel* modell);

  int Count() const { return model()->rowCount(); }
  QString Item(int i) const;

  // The list box's own lines.
  void Add(const QString& zeile);
  void Add(const QStringList& zeilen);
  void Delete(int i);
  void Clear();

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

private:
  QStringListModel* Zeilen;
};
