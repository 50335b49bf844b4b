#include "widgets/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringListModel>

TListBox::TListBox(QWidget* parent) : TZeilenansicht(parent), Zeilen(new QStringListModel(this)) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setModel(Zeilen);
}

void TListBox::SetzeModell(QAbstractItemModel* modell) { setModel(modell); }

QString TListBox::Item(int i) const { return model()->index(i, 0).data().toString(); }

void TListBox::Add(const QString& zeile) { Add(QStringList{zeile}); }

void TListBox::Add(const QStringList& zeilen) {
  const int anzahl = Zeilen->rowCount();
  if (anzahl == 0) return Zeilen->setStringList(zeilen);  // a loaded list in one step
  Zeilen->insertRows(anzahl, static_cast<int>(zeilen.size()));
  for (int i = 0; i < zeilen.size(); ++i) Zeilen->setData(Zeilen->index(anzahl + i), zeilen[i]);
}

void TListBox::Delete(int i) { Zeilen->removeRows(i, 1); }

void TListBox::Clear() { Zeilen->setStringList({}); }

int TListBox::ItemIndex() const {
  const QModelIndexList auswahl = selectionModel()->selectedIndexes();
  return auswahl.isEmpty() ? -1 : auswahl.first().row();
}

void TListBox::SetItemIndex(int i) {
  if (i >= 0 && i < Count()) {
    setCurrentIndex(model()->index(i, 0));
  } else {
    clearSelection();
    setCurrentIndex(QModelIndex());
  }
}

QItemSelectionModel::SelectionFlags TListBox::selectionCommand(const QModelIndex& index,
                                                               const QEvent*) const {
  // Neither a click beside the lines nor Ctrl+click can leave it without a
  // selected line.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

// The right button only opens the context menu; it selects nothing.
void TListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return event->accept();
  TZeilenansicht::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
    emit Click();
}

void TListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return event->accept();
  TZeilenansicht::mouseReleaseEvent(event);
}

void TListBox::keyPressEvent(QKeyEvent* event) {
  const int vorher = ItemIndex();
  TZeilenansicht::keyPressEvent(event);
  if (ItemIndex() != vorher) emit Click();
}

void TListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  TZeilenansicht::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit DblClick();
}
