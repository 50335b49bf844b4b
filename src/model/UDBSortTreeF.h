#pragma once
// The film sort tree: it exists only while a sort of the films runs, and is
// empty between sorts. Keys: 1 Name, 2 CDAnzahl, 3 CDFormat, 4 Genre,
// 5 Kommentar.

#include "model/UDBSortTree.h"

using TFilmTreeNode = TSortTreeNode<TFilmRec>;

class TDBSortTreeF : public TDBSortTree<TFilmRec, &TDatBas::Filme, &TDatBas::OrdneFilme> {
public:
  explicit TDBSortTreeF(TDatBas& datBas) : TDBSortTree(datBas) {}
};
