#pragma once
// A singly linked list of records addressed by 1-based position.
//
// Besides the head it keeps the count, the last node and the node last
// reached, so that appending costs one step and a caller's pass over the
// positions 1, 2, ..., n walks every link only once.

template <class TRec>
struct TRecNode {
  TRec Rec;
  TRecNode* Next = nullptr;
};

template <class TRec>
class TRecordChain {
public:
  using TNode = TRecNode<TRec>;

  TRecordChain() = default;
  TRecordChain(const TRecordChain&) = delete;
  TRecordChain& operator=(const TRecordChain&) = delete;
  ~TRecordChain() { Clear(); }

  const TNode* Head() const { return First; }
  int Count() const { return Anzahl; }

  // Copies record i into dest; outside 1..Count dest keeps what it held.
  void Get(int i, TRec& dest) const {
    if (i >= 1 && i <= Anzahl) dest = NodeAt(i)->Rec;
  }

  void Add(const TRec& rec) {
    auto* node = new TNode{rec, nullptr};
    if (First == nullptr)
      First = node;
    else
      Last->Next = node;
    Last = node;
    ++Anzahl;
  }

  // Any index of 1 or less addresses the first record; an index beyond the
  // count, or an empty list, leaves the list unchanged.
  void Set(int i, const TRec& rec) {
    if (Anzahl == 0 || i > Anzahl) return;
    NodeAt(i < 1 ? 1 : i)->Rec = rec;
  }

  // Removes record i; outside 1..Count nothing happens.
  void Delete(int i) {
    if (i < 1 || i > Anzahl) return;
    TNode* victim;
    TNode* before = nullptr;
    if (i == 1) {
      victim = First;
      First = victim->Next;
    } else {
      before = NodeAt(i - 1);
      victim = before->Next;
      before->Next = victim->Next;
    }
    if (victim == Last) Last = before;
    if (CursorPos >= i) {
      CursorPos = i - 1;
      CursorNode = before;
    }
    --Anzahl;
    delete victim;
  }

  void Clear() {
    while (First != nullptr) {
      TNode* taken = First;
      First = taken->Next;
      delete taken;
    }
    Last = nullptr;
    Anzahl = 0;
    CursorNode = nullptr;
    CursorPos = 0;
  }

private:
  // 1 <= i <= Anzahl.
  TNode* NodeAt(int i) const {
    if (i == Anzahl) return Last;
    TNode* node = First;
    int pos = 1;
    if (CursorNode != nullptr && CursorPos <= i) {
      node = CursorNode;
      pos = CursorPos;
    }
    for (; pos < i; ++pos) node = node->Next;
    CursorNode = node;
    CursorPos = i;
    return node;
  }

  TNode* First = nullptr;
  TNode* Last = nullptr;
  int Anzahl = 0;
  mutable TNode* CursorNode = nullptr;
  mutable int CursorPos = 0;
};
