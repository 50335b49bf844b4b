#pragma once
// An ordered sequence of records, read by 0-based position, that takes a
// record out of any position, and a record at its end, at the same cost
// however long it is: the records lie in blocks of at most BlockGroesse, so
// taking one out moves only the rest of its block. A record stays where it
// lies until it or one before it in its block is taken out.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

template <class TRec>
class TSatzfolge {
public:
  static constexpr std::size_t BlockGroesse = 512;

  class const_iterator {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = TRec;
    using difference_type = std::ptrdiff_t;
    using pointer = const TRec*;
    using reference = const TRec&;

    const_iterator() = default;
    reference operator*() const { return (*Block)[Stelle]; }
    pointer operator->() const { return &**this; }
    const_iterator& operator++() {
      if (++Stelle == Block->size()) {
        ++Block;
        Stelle = 0;
      }
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator vorher = *this;
      ++*this;
      return vorher;
    }
    friend bool operator==(const const_iterator&, const const_iterator&) = default;

  private:
    friend class TSatzfolge;
    using TBlockZeiger = typename std::vector<std::vector<TRec>>::const_iterator;
    explicit const_iterator(TBlockZeiger block) : Block(block) {}
    TBlockZeiger Block{};
    std::size_t Stelle = 0;
  };

  std::size_t size() const { return Anzahl; }
  bool empty() const { return Anzahl == 0; }
  const_iterator begin() const { return const_iterator(Bloecke.begin()); }
  const_iterator end() const { return const_iterator(Bloecke.end()); }

  const TRec& operator[](std::size_t k) const { return const_cast<TSatzfolge&>(*this)[k]; }
  TRec& operator[](std::size_t k) {
    const std::size_t b = BlockVon(k);
    return Bloecke[b][k - Anfaenge[b]];
  }

  void push_back(TRec&& rec) {
    if (Bloecke.empty() || Bloecke.back().size() == BlockGroesse) {
      Bloecke.emplace_back().reserve(BlockGroesse);
      Anfaenge.push_back(Anzahl);
    }
    Bloecke.back().push_back(std::move(rec));
    ++Anzahl;
  }

  void erase(std::size_t k) {
    const std::size_t b = BlockVon(k);
    std::vector<TRec>& block = Bloecke[b];
    block.erase(block.begin() + static_cast<std::ptrdiff_t>(k - Anfaenge[b]));
    for (std::size_t folgender = b + 1; folgender < Anfaenge.size(); ++folgender) --Anfaenge[folgender];
    if (block.empty()) {  // an empty block would end an iteration early
      Bloecke.erase(Bloecke.begin() + static_cast<std::ptrdiff_t>(b));
      Anfaenge.erase(Anfaenge.begin() + static_cast<std::ptrdiff_t>(b));
    }
    --Anzahl;
  }

private:
  // The block that holds position k.
  std::size_t BlockVon(std::size_t k) const {
    return static_cast<std::size_t>(std::upper_bound(Anfaenge.begin(), Anfaenge.end(), k) - Anfaenge.begin()) - 1;
  }

  std::vector<std::vector<TRec>> Bloecke;
  std::vector<std::size_t> Anfaenge;  // the position of each block's first record
  std::size_t Anzahl = 0;
};
