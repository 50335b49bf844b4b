#include "main/Sammlungszeilen.h"

#include "widgets/Cp1252.h"

TSammlungszeilen::TSammlungszeilen(std::function<int()> anzahl, std::function<std::string(int)> zeile,
                                   QObject* parent)
    : QAbstractListModel(parent), Anzahl(std::move(anzahl)), Zeile(std::move(zeile)) {}

int TSammlungszeilen::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : Zeilen; }

QVariant TSammlungszeilen::data(const QModelIndex& index, int rolle) const {
  if (rolle != Qt::DisplayRole || !index.isValid() || index.row() >= Zeilen) return {};
  const auto angefuegt = Angefuegte.find(index.row());
  if (angefuegt != Angefuegte.end()) return angefuegt->second;
  return VonCp1252(Zeile(index.row()));
}

void TSammlungszeilen::Neuaufbau() {
  beginResetModel();
  Zeilen = Anzahl();
  Angefuegte.clear();
  endResetModel();
}

void TSammlungszeilen::Angefuegt(const QString& zeile) {
  beginInsertRows({}, Zeilen, Zeilen);
  Angefuegte[Zeilen] = zeile;
  ++Zeilen;
  endInsertRows();
}

void TSammlungszeilen::Geaendert(int row) {
  Verwirf();
  emit dataChanged(index(row), index(row));
}

void TSammlungszeilen::Entferne(int row, const std::function<void()>& entferne) {
  Verwirf();
  beginRemoveRows({}, row, row);
  entferne();
  --Zeilen;
  endRemoveRows();
}

void TSammlungszeilen::Verwirf() {
  const std::map<int, QString> angefuegte = std::exchange(Angefuegte, {});
  for (const auto& [row, zeile] : angefuegte) emit dataChanged(index(row), index(row));
}
