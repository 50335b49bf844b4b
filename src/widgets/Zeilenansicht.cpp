#include "widgets/Zeilenansicht.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHoverEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

struct TZeilenansicht::TLage {
  int Zeilen;
  int Hoehe;    // of every line
  int Breite;   // of the widest line's content
  int Sichtbar; // width of the visible area
  QPoint Versatz;  // how far the lines are scrolled, in pixels

  // Line row in the visible area's coordinates.
  QRect Rechteck(int row) const {
    return {-Versatz.x(), row * Hoehe - Versatz.y(), std::max(Breite, Sichtbar), Hoehe};
  }
  // The line at punkt, or the last line for a point below all of them; -1
  // left of the lines, above them, or in an empty list.
  int ZeileAn(const QPoint& punkt) const {
    const QPoint inhalt = punkt + Versatz;
    if (Zeilen == 0 || Hoehe <= 0 || inhalt.x() < 0 || inhalt.y() < 0) return -1;
    return std::min(inhalt.y() / Hoehe, Zeilen - 1);
  }
};

TZeilenansicht::TZeilenansicht(QWidget* parent) : QListView(parent), Messung(new QTimer(this)) {
  setVerticalScrollMode(ScrollPerItem);
  setTextElideMode(Qt::ElideNone);
  Messung->setSingleShot(true);
  connect(Messung, &QTimer::timeout, this, &TZeilenansicht::MissWeiter);
}

TZeilenansicht::TLage TZeilenansicht::Lage() const {
  const int zeilen = model()->rowCount(rootIndex());
  QSize zeile;
  if (zeilen > 0) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex letzte = Index(zeilen - 1);
    zeile = itemDelegateForIndex(letzte)->sizeHint(option, letzte);
  }
  return {zeilen, zeile.height(), Breiteste, viewport()->width(),
          {horizontalScrollBar()->value(), verticalScrollBar()->value() * zeile.height()}};
}

QModelIndex TZeilenansicht::Index(int row) const { return model()->index(row, modelColumn(), rootIndex()); }

QRect TZeilenansicht::visualRect(const QModelIndex& index) const {
  if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn()) return {};
  return Lage().Rechteck(index.row());
}

QModelIndex TZeilenansicht::indexAt(const QPoint& punkt) const {
  const TLage lage = Lage();
  const int row = lage.ZeileAn(punkt);
  return row >= 0 && lage.Rechteck(row).contains(punkt) ? Index(row) : QModelIndex();
}

int TZeilenansicht::horizontalOffset() const { return horizontalScrollBar()->value(); }

int TZeilenansicht::verticalOffset() const { return Lage().Versatz.y(); }

// QListView would lay out every line here; the scroll bars are all there is.
void TZeilenansicht::doItemsLayout() { QAbstractItemView::doItemsLayout(); }

void TZeilenansicht::setModel(QAbstractItemModel* modell) {
  if (model() != nullptr) disconnect(model(), &QAbstractItemModel::rowsRemoved, this, &TZeilenansicht::ZeilenEntfernt);
  QListView::setModel(modell);
  connect(model(), &QAbstractItemModel::rowsRemoved, this, &TZeilenansicht::ZeilenEntfernt);
}

void TZeilenansicht::reset() {
  QListView::reset();
  MissAlle();
}

// Another font or style, as a style sheet gives when the list is first
// shown, makes every line another width.
void TZeilenansicht::changeEvent(QEvent* event) {
  QListView::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) MissAlle();
}

void TZeilenansicht::MissAlle() {
  Gemessen = 0;
  Breiteste = 0;
  Breitester = -1;
  MissWeiter();
}

// A few milliseconds of measuring, then the rest after the events waiting.
void TZeilenansicht::MissWeiter() {
  constexpr int scheibe = 4;  // milliseconds
  if (model() == nullptr) return;
  const int zeilen = model()->rowCount(rootIndex());
  QElapsedTimer uhr;
  uhr.start();
  while (Gemessen < zeilen && !uhr.hasExpired(scheibe)) {
    const int bis = std::min(Gemessen + 64, zeilen);
    Miss(Gemessen, bis - 1);
    Gemessen = bis;
  }
  if (Gemessen < zeilen) Messung->start(0);
  updateGeometries();
}

void TZeilenansicht::Miss(int von, int bis) {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  for (int row = von; row <= bis; ++row) {
    const QModelIndex index = Index(row);
    const int breite = itemDelegateForIndex(index)->sizeHint(option, index).width();
    if (breite > Breiteste) {
      Breiteste = breite;
      Breitester = row;
    }
  }
}

void TZeilenansicht::dataChanged(const QModelIndex& oben, const QModelIndex& unten, const QList<int>& rollen) {
  QListView::dataChanged(oben, unten, rollen);
  if (oben.parent() != rootIndex()) return;
  const int bis = std::min(unten.row(), Gemessen - 1);
  // The widest line grown narrower: another may now be the widest.
  const bool breitesterGeaendert = oben.row() <= Breitester && Breitester <= bis;
  const int vorher = Breiteste;
  if (breitesterGeaendert) Breiteste = 0;
  Miss(oben.row(), bis);
  if (breitesterGeaendert && Breiteste < vorher) return MissAlle();
  updateGeometries();
}

// The scroll range counts new lines at once: a line selected right after it
// was added can then be scrolled wholly into sight.
void TZeilenansicht::rowsInserted(const QModelIndex& eltern, int von, int bis) {
  QListView::rowsInserted(eltern, von, bis);
  if (eltern != rootIndex()) return;
  const int anzahl = bis - von + 1;
  if (Breitester >= von) Breitester += anzahl;
  if (von <= Gemessen) {
    Gemessen += anzahl;
    Miss(von, bis);
  }
  updateGeometries();
}

void TZeilenansicht::ZeilenEntfernt(const QModelIndex& eltern, int von, int bis) {
  if (eltern != rootIndex()) return;
  if (von <= Breitester && Breitester <= bis) return MissAlle();
  const int anzahl = bis - von + 1;
  if (Breitester > bis) Breitester -= anzahl;
  Gemessen -= std::max(0, std::min(bis + 1, Gemessen) - von);
}

void TZeilenansicht::updateGeometries() {
  const TLage lage = Lage();
  if (geometry().isEmpty() || lage.Zeilen == 0) {
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
  } else {
    // Across in pixels. The scroll bar shows only where the widest line does
    // not fit beside a vertical scroll bar the lines need.
    const int hoehe = lage.Zeilen * lage.Hoehe;
    const QSize flaeche = contentsRect().marginsRemoved(viewportMargins()).size();
    const bool senkrecht = hoehe > flaeche.height();
    const bool waagrecht = lage.Breite > flaeche.width() - (senkrecht ? verticalScrollBar()->width() : 0);
    const bool beideNachBedarf = horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                                 verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
    // A step across is the first line's width, as in QListView.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex erste = Index(0);
    horizontalScrollBar()->setSingleStep(itemDelegateForIndex(erste)->sizeHint(option, erste).width());
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, waagrecht || !beideNachBedarf ? lage.Breite - viewport()->width() : 0);

    // Down line by line; a page is the lines that fit whole.
    verticalScrollBar()->setSingleStep(1);
    if (hoehe <= viewport()->height()) {
      verticalScrollBar()->setPageStep(lage.Zeilen + 1);
      verticalScrollBar()->setRange(0, 0);
    } else {
      const int seite = viewport()->height() / lage.Hoehe;
      verticalScrollBar()->setPageStep(seite);
      verticalScrollBar()->setRange(0, lage.Zeilen - seite);
    }
  }
  QAbstractItemView::updateGeometries();
  // Shows or hides the scroll bars now, as QListView does, rather than at
  // the next turn of the event loop.
  QEvent anfrage(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(this, &anfrage);
}

void TZeilenansicht::scrollContentsBy(int dx, int dy) { viewport()->scroll(dx, dy * Lage().Hoehe); }

void TZeilenansicht::scrollTo(const QModelIndex& index, ScrollHint hint) {
  const QRect rechteck = visualRect(index);
  if (!rechteck.isValid()) return;
  const QRect flaeche = viewport()->rect();
  if (hint == EnsureVisible) {
    if (flaeche.contains(rechteck)) return viewport()->update(rechteck);
    if (rechteck.top() < flaeche.top()) hint = PositionAtTop;
    else if (rechteck.bottom() > flaeche.bottom()) hint = PositionAtBottom;
    else return;  // only its width does not fit: no line by line scrolling helps
  }
  const int row = index.row();
  const int ganze = std::min(std::max(flaeche.height() / rechteck.height(), 1), row + 1);  // lines that fit
  switch (hint) {
    case PositionAtTop: return verticalScrollBar()->setValue(row);
    case PositionAtBottom: return verticalScrollBar()->setValue(row - ganze + 1);
    case PositionAtCenter: return verticalScrollBar()->setValue(row - ganze / 2);
    case EnsureVisible: return;
  }
}

QModelIndex TZeilenansicht::moveCursor(CursorAction aktion, Qt::KeyboardModifiers) {
  const TLage lage = Lage();
  if (lage.Zeilen == 0) return {};
  const QModelIndex aktuell = currentIndex();
  if (!aktuell.isValid()) return Index(0);
  const int row = aktuell.row(), letzte = lage.Zeilen - 1;
  // A page moves to the last line that was wholly visible with the current
  // one at the top (at the bottom, going up); at least one line.
  const int seite = std::max(viewport()->height() / lage.Hoehe - 1, lage.Hoehe >= viewport()->height() ? 1 : 0);
  switch (aktion) {
    case MoveUp:
    case MovePrevious: return Index(std::max(row - 1, 0));
    case MoveDown:
    case MoveNext: return Index(std::min(row + 1, letzte));
    case MovePageUp: return Index(std::max(row - seite, 0));
    case MovePageDown: return Index(std::min(row + seite, letzte));
    case MoveHome: return Index(0);
    case MoveEnd: return Index(letzte);
    case MoveLeft:
    case MoveRight: return aktuell;
  }
  return aktuell;
}

void TZeilenansicht::setSelection(const QRect& rechteck, QItemSelectionModel::SelectionFlags befehl) {
  const TLage lage = Lage();
  const int von = lage.ZeileAn(rechteck.topLeft());
  const int bis = rechteck.size() == QSize(1, 1) ? von : lage.ZeileAn(rechteck.bottomRight());
  QItemSelection auswahl;
  if (von >= 0 && bis >= 0) auswahl.select(Index(std::min(von, bis)), Index(std::max(von, bis)));
  selectionModel()->select(auswahl, befehl);
}

QRegion TZeilenansicht::visualRegionForSelection(const QItemSelection& auswahl) const {
  QRegion region;
  const QRect flaeche = viewport()->rect();
  for (const QItemSelectionRange& bereich : auswahl) {
    if (!bereich.isValid() || bereich.parent() != rootIndex()) continue;
    const QRect rechteck(visualRect(Index(bereich.top())).topLeft(), visualRect(Index(bereich.bottom())).bottomRight());
    if (flaeche.intersects(rechteck)) region += rechteck;
  }
  return region;
}

void TZeilenansicht::paintEvent(QPaintEvent* event) {
  const TLage lage = Lage();
  const int von = lage.ZeileAn(event->rect().topLeft());
  if (von < 0) return;
  const int bis = lage.ZeileAn(event->rect().bottomLeft());

  QStyleOptionViewItem option;
  initViewItemOption(&option);
  if (option.state & QStyle::State_Enabled) option.palette.setCurrentColorGroup(QPalette::Normal);
  const QStyle::State grund = option.state;
  const QModelIndex aktuell = currentIndex();
  const bool fokus = (hasFocus() || viewport()->hasFocus()) && aktuell.isValid();

  QPainter maler(viewport());
  for (int row = von; row <= bis; ++row) {
    const QModelIndex index = Index(row);
    option.rect = lage.Rechteck(row);
    option.state = grund;
    option.state.setFlag(QStyle::State_Selected, selectionModel()->isSelected(index));
    option.state.setFlag(QStyle::State_HasFocus, fokus && index == aktuell);
    option.state.setFlag(QStyle::State_MouseOver, index == Schwebend);
    itemDelegateForIndex(index)->paint(&maler, option, index);
  }
}

bool TZeilenansicht::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove: Schwebend = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint()); break;
    case QEvent::HoverLeave:
    case QEvent::Leave: Schwebend = QModelIndex(); break;
    default: break;
  }
  return QListView::viewportEvent(event);
}

// QListView tells assistive technology of the line by its place in its own
// layout, which is never made here; the row is that place.
void TZeilenansicht::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) {
  if (aktuell.isValid() && hasFocus()) MeldeZugaenglich(QAccessible::Focus, aktuell);
  QAbstractItemView::currentChanged(aktuell, vorher);
}

void TZeilenansicht::selectionChanged(const QItemSelection& gewaehlt, const QItemSelection& abgewaehlt) {
  const QModelIndex neu = gewaehlt.indexes().value(0), alt = abgewaehlt.indexes().value(0);
  if (neu.isValid()) MeldeZugaenglich(QAccessible::SelectionAdd, neu);
  if (alt.isValid()) MeldeZugaenglich(QAccessible::SelectionRemove, alt);
  QAbstractItemView::selectionChanged(gewaehlt, abgewaehlt);
}

void TZeilenansicht::MeldeZugaenglich(QAccessible::Event art, const QModelIndex& index) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent meldung(this, art);
  meldung.setChild(index.row());
  QAccessible::updateAccessibility(&meldung);
}
