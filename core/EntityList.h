// EntityList: the growable array of entity records that both sentence classes
// walk and merge.
//
// The passes stand at one record and merge it with its neighbours, which removes
// records from the middle of the list. A plain vector makes each removal cost the
// length of the tail, which turns a long line full of entities quadratic. The
// list is therefore a gap buffer: the free space sits where the last removal or
// insertion happened, so edits next to a pass's position cost O(1) and a pass
// that walks the line once costs O(n) in all.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <vector>

namespace vestrilo {

// One record of a line: a span of its bytes and what the span is. Kind is the
// direction's enum of record kinds, which has a Plain kind.
template <class Kind>
struct Record {
  std::int32_t start = 0;
  std::int32_t length = 0;
  Kind kind = Kind::Plain;

  bool operator==(const Record& o) const { return start == o.start && length == o.length && kind == o.kind; }
};

template <class T>
class EntityList {
 public:
  EntityList() = default;
  EntityList(std::initializer_list<T> items)
      : buf_(items), gapBegin_(buf_.size()), gapEnd_(buf_.size()), size_(buf_.size()) {}

  std::size_t size() const { return size_; }
  bool empty() const { return size() == 0; }

  T& operator[](std::size_t i) { return buf_[physical(i)]; }
  const T& operator[](std::size_t i) const { return buf_[physical(i)]; }
  T& front() { return (*this)[0]; }
  T& back() { return (*this)[size() - 1]; }
  const T& front() const { return (*this)[0]; }
  const T& back() const { return (*this)[size() - 1]; }

  void clear() {
    buf_.clear();
    gapBegin_ = gapEnd_ = size_ = 0;
  }
  void reserve(std::size_t n) { buf_.reserve(n); }

  void push_back(const T& item) {
    if (gapBegin_ == gapEnd_ && gapEnd_ == buf_.size()) {  // no gap: append to the buffer
      buf_.push_back(item);
      gapBegin_ = gapEnd_ = size_ = buf_.size();
      return;
    }
    insert(size(), item);
  }

  // Inserts item so that it becomes element pos.
  void insert(std::size_t pos, const T& item) {
    if (pos > size()) pos = size();
    if (gapBegin_ == gapEnd_) {
      if (pos == buf_.size()) {
        buf_.push_back(item);
        gapBegin_ = gapEnd_ = size_ = buf_.size();
        return;
      }
      // Open a new gap proportional to the list, so insertions stay amortised O(1).
      const std::size_t grow = std::max<std::size_t>(16, buf_.size() / 2);
      moveGap(pos);
      buf_.insert(buf_.begin() + static_cast<std::ptrdiff_t>(gapBegin_), grow, T{});
      gapEnd_ = gapBegin_ + grow;
    } else {
      moveGap(pos);
    }
    buf_[gapBegin_++] = item;
    ++size_;
  }

  // Removes elements [first, last).
  void erase(std::size_t first, std::size_t last) {
    const std::size_t n = size();
    if (last > n) last = n;
    if (first >= last) return;
    moveGap(last);
    gapBegin_ -= last - first;
    size_ -= last - first;
  }
  void erase(std::size_t pos) { erase(pos, pos + 1); }

  // The elements in order, as a plain vector (for tests and callers that want one).
  std::vector<T> toVector() const {
    std::vector<T> out;
    out.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) out.push_back((*this)[i]);
    return out;
  }

  template <class List, class Value>
  class Iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;
    Iterator(List* list, std::size_t i) : list_(list), i_(i) {}
    reference operator*() const { return (*list_)[i_]; }
    pointer operator->() const { return &(*list_)[i_]; }
    Iterator& operator++() { ++i_; return *this; }
    Iterator operator++(int) { Iterator old = *this; ++i_; return old; }
    Iterator& operator--() { --i_; return *this; }
    Iterator& operator+=(difference_type d) { i_ += d; return *this; }
    Iterator operator+(difference_type d) const { return Iterator(list_, i_ + d); }
    Iterator operator-(difference_type d) const { return Iterator(list_, i_ - d); }
    difference_type operator-(const Iterator& o) const {
      return static_cast<difference_type>(i_) - static_cast<difference_type>(o.i_);
    }
    bool operator==(const Iterator& o) const { return i_ == o.i_; }
    bool operator!=(const Iterator& o) const { return i_ != o.i_; }
    bool operator<(const Iterator& o) const { return i_ < o.i_; }

   private:
    List* list_;
    std::size_t i_;
  };
  using iterator = Iterator<EntityList, T>;
  using const_iterator = Iterator<const EntityList, const T>;
  iterator begin() { return iterator(this, 0); }
  iterator end() { return iterator(this, size()); }
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, size()); }

 private:
  std::size_t physical(std::size_t i) const { return i < gapBegin_ ? i : i + (gapEnd_ - gapBegin_); }

  void moveGap(std::size_t pos) {
    if (pos < gapBegin_) {
      const std::size_t count = gapBegin_ - pos;
      std::move_backward(buf_.begin() + static_cast<std::ptrdiff_t>(pos),
                         buf_.begin() + static_cast<std::ptrdiff_t>(gapBegin_),
                         buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_));
      gapBegin_ -= count;
      gapEnd_ -= count;
    } else if (pos > gapBegin_) {
      const std::size_t count = pos - gapBegin_;
      std::move(buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_),
                buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_ + count),
                buf_.begin() + static_cast<std::ptrdiff_t>(gapBegin_));
      gapBegin_ += count;
      gapEnd_ += count;
    }
  }

  std::vector<T> buf_;
  std::size_t gapBegin_ = 0;
  std::size_t gapEnd_ = 0;
  std::size_t size_ = 0;  // elements outside the gap
};

// Merging record `first` with the later record `last`: `first` keeps its start and
// stretches to the end of `last` (covering whatever lay between), and every record
// after `first` up to and including `last` is removed. Shared by the passes of both
// directions, which only differ in what they do with the kind.
template <class Entity>
void mergeRecords(EntityList<Entity>& list, std::size_t first, std::size_t last) {
  if (first >= last || last >= list.size()) return;
  Entity& a = list[first];
  const Entity& b = list[last];
  a.length = b.start + b.length - a.start;
  list.erase(first + 1, last + 1);
}

// The bytes of s that a record covers, clamped to s: a record never reads
// outside its line, whatever its fields hold.
template <class Entity>
std::string_view recordText(std::string_view s, const Entity& e) {
  std::size_t start = e.start < 0 ? 0 : static_cast<std::size_t>(e.start);
  if (start > s.size()) start = s.size();
  std::size_t length = e.length < 0 ? 0 : static_cast<std::size_t>(e.length);
  if (length > s.size() - start) length = s.size() - start;
  return std::string_view(s.data() + start, length);
}

// The copies a pass takes at the start of a step: the current record and its two
// neighbours with their texts. The copies do not follow changes made during the
// step.
template <class Entity>
struct NeighbourView {
  Entity prev, cur, next;
  std::string_view prevText, curText, nextText;
};

// The neighbour view of record i of list, texts cut from line; a missing
// neighbour reads as `missing` with empty text.
template <class Entity>
NeighbourView<Entity> neighbourView(const EntityList<Entity>& list, std::size_t i, std::string_view line,
                                    const Entity& missing) {
  NeighbourView<Entity> v{missing, Entity{}, missing, {}, {}, {}};
  const std::size_t n = list.size();
  if (i < n) {
    v.cur = list[i];
    v.curText = recordText(line, v.cur);
  }
  if (i > 0 && i - 1 < n) {
    v.prev = list[i - 1];
    v.prevText = recordText(line, v.prev);
  }
  if (i + 1 < n) {
    v.next = list[i + 1];
    v.nextText = recordText(line, v.next);
  }
  return v;
}

}  // namespace vestrilo
