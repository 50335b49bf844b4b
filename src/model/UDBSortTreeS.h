#pragma once
// The game sort tree, twin of the film sort tree.

#include "model/UDatentypen.h"

struct TSpielTreeNode {
  TSpielRec Rec;
  TSpielTreeNode* Left = nullptr;
  TSpielTreeNode* Right = nullptr;
};

class TDBSortTreeS {
public:
  TSpielTreeNode* Root = nullptr;
};
