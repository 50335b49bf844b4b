#include "platform/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSortingEnabled(false);
  setUniformItemSizes(true);
}

QString TListBox::Item(int i) const {
  const QListWidgetItem* zeile = item(i);
  return zeile ? zeile->text() : QString();
}

void TListBox::Add(const QString& zeile) { addItem(zeile); }

int TListBox::ItemIndex() const {
  const QList<QListWidgetItem*> auswahl = selectedItems();
  return auswahl.isEmpty() ? -1 : row(auswahl.first());
}

void TListBox::SetItemIndex(int i) {
  if (i >= 0 && i < count()) {
    setCurrentRow(i);
  } else {
    clearSelection();
    setCurrentRow(-1);
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
  QListWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr)
    emit Click();
}

void TListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return event->accept();
  QListWidget::mouseReleaseEvent(event);
}

void TListBox::keyPressEvent(QKeyEvent* event) {
  const int vorher = ItemIndex();
  QListWidget::keyPressEvent(event);
  if (ItemIndex() != vorher) emit Click();
}

void TListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit DblClick();
}
