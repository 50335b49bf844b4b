#pragma once
// The film sort tree: an unbalanced search tree that exists only while a sort
// of the films runs, and is empty between sorts.

#include "model/UDatentypen.h"

struct TFilmTreeNode {
  TFilmRec Rec;
  TFilmTreeNode* Left = nullptr;
  TFilmTreeNode* Right = nullptr;
};

class TDBSortTreeF {
public:
  TFilmTreeNode* Root = nullptr;
};
