#pragma once
// The sort tree shared by films and games: a balanced search tree of the
// store's records by one key, written back as the store's new order, and
// emptied again.
//
// A record goes left of a node whose key text is greater (descending: right)
// and otherwise right (descending: left). So the in-order sequence keeps
// records of equal key in their store order, and descending is exactly the
// reverse of ascending. AVL rotations keep that sequence while holding the
// height, and with it the recursion depth, at about 1.44 log2(n).

#include "model/UDatbas.h"
#include "model/UDatentypen.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// Compares two key texts byte by byte as unsigned values, with only A-Z
// folded to a-z (0xC4 and 0xE4 differ); a prefix is smaller. The result is
// negative, zero or positive as a is smaller than, equal to or greater than b.
int CompareSortText(std::string_view a, std::string_view b);

// The first eight bytes of a key text folded as CompareSortText folds them,
// zero-padded, as one number: where two of them differ, they order their
// texts as CompareSortText does.
std::uint64_t SortPraefix(std::string_view text);

// The key text of a record: key is the 1-based field position in the record
// (CDAnzahl too is taken as text). Any other key gives the empty text, so all
// records tie.
const std::string& SortText(const TFilmRec& film, int key);
const std::string& SortText(const TSpielRec& spiel, int key);

// A node stands for one record of the store; the record itself stays where
// it is. The node keeps where the record's key text lies and the key's first
// bytes, so that comparing keys reaches neither the record nor, mostly, the
// text.
template <class TRec>
struct TSortTreeNode {
  const TRec* Rec;
  std::string_view Text;
  std::uint64_t Praefix;
  TSortTreeNode* Left = nullptr;
  TSortTreeNode* Right = nullptr;
  int Height = 1;  // of the subtree rooted here
};

// The store's list of TRec is reached through its two member functions: all
// records, and putting them into a new order.
template <class TRec, const TSatzfolge<TRec>& (TDatBas::*Alle)() const,
          void (TDatBas::*Ordne)(const std::vector<const TRec*>&)>
class TDBSortTree {
public:
  using TNode = TSortTreeNode<TRec>;

  explicit TDBSortTree(TDatBas& datBas) : DatBas(datBas) {}
  TDBSortTree(const TDBSortTree&) = delete;
  TDBSortTree& operator=(const TDBSortTree&) = delete;

  void Sort(int key, bool ascending) {
    BuildTree(key, ascending);
    WriteBack();
    ClearTree();
  }

  void BuildTree(int key, bool ascending) {
    for (const TRec& rec : (DatBas.*Alle)()) InsertRec(key, rec, ascending);
  }

  // rec is a record of the store, which must not change while the tree holds it.
  void InsertRec(int key, const TRec& rec, bool ascending) {
    const std::string& text = SortText(rec, key);
    Insert(Root, TNode{&rec, text, SortPraefix(text)}, ascending);
  }

  // Puts the store's list into tree order.
  void WriteBack() {
    std::vector<const TRec*> reihenfolge;
    reihenfolge.reserve(Knoten.size());
    AddInOrder(Root, reihenfolge);
    (DatBas.*Ordne)(reihenfolge);
  }

  void ClearTree() {
    std::deque<TNode>().swap(Knoten);
    Root = nullptr;
  }

  TNode* Root = nullptr;

private:
  void Insert(TNode*& link, const TNode& neu, bool ascending) {
    if (link == nullptr) {
      link = &Knoten.emplace_back(neu);
      return;
    }
    Insert(Greater(*link, neu) == ascending ? link->Left : link->Right, neu, ascending);
    Rebalance(link);
  }

  // Whether a's key text is greater than b's.
  static bool Greater(const TNode& a, const TNode& b) {
    if (a.Praefix != b.Praefix) return a.Praefix > b.Praefix;
    // Equal numbers: the bytes both texts have among the first eight agree.
    const std::size_t gleich = std::min({a.Text.size(), b.Text.size(), sizeof a.Praefix});
    return CompareSortText(a.Text.substr(gleich), b.Text.substr(gleich)) > 0;
  }

  static void AddInOrder(const TNode* node, std::vector<const TRec*>& reihenfolge) {
    if (node == nullptr) return;
    AddInOrder(node->Left, reihenfolge);
    reihenfolge.push_back(node->Rec);
    AddInOrder(node->Right, reihenfolge);
  }

  static int Height(const TNode* node) { return node == nullptr ? 0 : node->Height; }

  static void UpdateHeight(TNode* node) {
    node->Height = 1 + std::max(Height(node->Left), Height(node->Right));
  }

  static void RotateRight(TNode*& link) {
    TNode* pivot = link->Left;
    link->Left = pivot->Right;
    pivot->Right = link;
    UpdateHeight(link);
    UpdateHeight(pivot);
    link = pivot;
  }

  static void RotateLeft(TNode*& link) {
    TNode* pivot = link->Right;
    link->Right = pivot->Left;
    pivot->Left = link;
    UpdateHeight(link);
    UpdateHeight(pivot);
    link = pivot;
  }

  // After an insertion below link the two subtrees differ by at most two.
  static void Rebalance(TNode*& link) {
    UpdateHeight(link);
    const int balance = Height(link->Left) - Height(link->Right);
    if (balance > 1) {
      if (Height(link->Left->Left) < Height(link->Left->Right)) RotateLeft(link->Left);
      RotateRight(link);
    } else if (balance < -1) {
      if (Height(link->Right->Right) < Height(link->Right->Left)) RotateRight(link->Right);
      RotateLeft(link);
    }
  }

  TDatBas& DatBas;
  std::deque<TNode> Knoten;  // keeps its elements in place as it grows
};
