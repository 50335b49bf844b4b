#pragma once
// The films or the games of the store as the lines of their list box: row r
// shows record r + 1, its row text made only when the line is drawn.
//
// A line the add command appends shows the text it was added with (the
// edits' texts, not yet cut to a field's 255 characters) until the list is
// next rebuilt: by a change, a deletion, a move, a sort, a load or New.

#include <QAbstractListModel>

#include <functional>
#include <map>
#include <string>

class TSammlungszeilen final : public QAbstractListModel {
public:
  // anzahl gives the number of records, zeile(r) the row text of row r in
  // code page 1252.
  TSammlungszeilen(std::function<int()> anzahl, std::function<std::string(int)> zeile, QObject* parent);

  int rowCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;

  // After the store changed, each tells the list box what changed.
  void Neuaufbau();                        // any change at all
  void Angefuegt(const QString& zeile);    // one record appended, shown as zeile
  void Geaendert(int row);                 // record row + 1 overwritten

  // Removes record row + 1 from the store by calling entferne, while the list
  // box still reads the rows it knows of.
  void Entferne(int row, const std::function<void()>& entferne);

private:
  // The rows that show the add command's text, until the next rebuild.
  void Verwirf();

  std::function<int()> Anzahl;
  std::function<std::string(int)> Zeile;
  int Zeilen = 0;  // rows the list box knows of
  std::map<int, QString> Angefuegte;
};
