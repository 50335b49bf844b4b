#pragma once
// The game sort tree, twin of the film sort tree. Keys: 1 Name, 2 CDAnzahl,
// 3 Genre, 4 Kommentar.

#include "model/UDBSortTree.h"

using TSpielTreeNode = TSortTreeNode<TSpielRec>;

class TDBSortTreeS : public TDBSortTree<TSpielRec, &TDatBas::Spiele, &TDatBas::OrdneSpiele> {
public:
  explicit TDBSortTreeS(TDatBas& datBas) : TDBSortTree(datBas) {}
};
