// The open-addressing hash table under every table that finds a text: the
// registry of written pairs, the memos, the word list index and the word table.
//
// The table owns the mechanism: a power of two of slots, linear probing from the
// slot that a hash picks, the load limit (at most three quarters full, so that
// a probe ends soon) and the growth (the slots double and every entry is placed
// anew). Its user owns the entries: what a slot holds (often a small number
// that locates the entry in the user's own storage, with a piece of the hash),
// when a held slot is the key looked for, and the hash of a held slot, which
// the growth asks for.
//
// Traits describe the slots:
//   using Slot = ...;                  // a small value; Slot{} is the free slot
//   static constexpr bool isFree(const Slot&);
//   static constexpr bool kGrows;      // true: the slots are a vector that grows
//   static constexpr std::size_t kSlots;  // the first number of slots (a power
//                                      // of two), or the fixed number
// A fixed table keeps its slots inside itself and works at compile time; it
// cannot grow, so place() tells its user when it is full. NumberSlots are the
// traits of slots that are numbers, 0 being free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace vestrilo {

enum class SlotStorage { Growing, Fixed };

template <class Number, SlotStorage Storage, std::size_t Slots>
struct NumberSlots {
  using Slot = Number;
  static constexpr bool isFree(Slot s) { return s == 0; }
  static constexpr bool kGrows = Storage == SlotStorage::Growing;
  static constexpr std::size_t kSlots = Slots;
};

template <class Traits>
class HashTable {
 public:
  using Slot = typename Traits::Slot;
  static constexpr bool kGrows = Traits::kGrows;
  static_assert(Traits::kSlots >= 2 && (Traits::kSlots & (Traits::kSlots - 1)) == 0,
                "the number of slots is a power of two");

  // Where a probe ended: at the slot holding the key (found), or at the free
  // slot where the key would go.
  struct Probe {
    std::size_t at = 0;
    bool found = false;
  };

  // Probes for a key whose hash is `hash`: same(slot, key...) tells whether a
  // held slot holds the key (the key may instead be held by same itself). A
  // growing table that holds nothing yet has no slots; its probe finds nothing.
  template <class Same, class... Key>
  constexpr Probe find(std::uint64_t hash, Same&& same, Key... key) const {
    static_assert(Traits::isFree(Slot{}), "Slot{} is the free slot");
    if constexpr (kGrows)
      if (slots_.empty()) return {};
    const std::size_t mask = slotMask();
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
      const Slot& s = slots_[at];
      if (Traits::isFree(s)) return {at, false};
      if (same(s, key...)) return {at, true};
    }
  }

  // The held slot that same(slot, key...) accepts on the probe for hash, or the
  // free slot Slot{} when none does.
  template <class Same, class... Key>
  constexpr Slot lookup(std::uint64_t hash, Same&& same, Key... key) const {
    if constexpr (kGrows)
      if (slots_.empty()) return Slot{};
    const std::size_t mask = slotMask();
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
      const Slot& s = slots_[at];
      if (Traits::isFree(s) || same(s, key...)) return s;
    }
  }

  // Puts slot, the entry of a key that find(hash, ...) did not find, where that
  // probe ended. When the entry would make the table more than three quarters
  // full, the table first grows (hashOf(slot) gives the hash of each held slot)
  // and the entry goes where its hash leads in the larger table. Returns the
  // entry's position, or npos (nothing placed) when a fixed table is full.
  template <class HashOf>
  constexpr std::size_t place(Probe probe, std::uint64_t hash, const Slot& slot, HashOf&& hashOf) {
    std::size_t at = probe.at;
    if ((count_ + 1) * 4 > slotCount() * 3) {
      if constexpr (!kGrows) {
        return npos;
      } else {
        grow(hashOf);
        at = freeSlot(hash);
      }
    }
    slots_[at] = slot;
    ++count_;
    return at;
  }

  // The same for a fixed table, which never asks for the hash of a held slot.
  constexpr std::size_t place(Probe probe, std::uint64_t hash, const Slot& slot) {
    static_assert(!kGrows, "a growing table needs the hashes of its slots");
    return place(probe, hash, slot, [](const Slot&) { return std::uint64_t{0}; });
  }

  // Frees the held slot at `at` (where find() found its key). The entries
  // after it on the probe are moved back where needed, so that every other key
  // is still found where its probe leads (hashOf as for place()).
  template <class HashOf>
  void erase(std::size_t at, HashOf&& hashOf) {
    const std::size_t mask = slotMask();
    std::size_t hole = at;
    for (std::size_t next = (at + 1) & mask; !Traits::isFree(slots_[next]); next = (next + 1) & mask) {
      // The entry at next may fill the hole when its probe starts at or before
      // the hole, going round the end of the slots.
      const std::size_t home = static_cast<std::size_t>(hashOf(slots_[next])) & mask;
      if (((next - home) & mask) >= ((next - hole) & mask)) {
        slots_[hole] = slots_[next];
        hole = next;
      }
    }
    slots_[hole] = Slot{};
    --count_;
  }

  constexpr const Slot& operator[](std::size_t at) const { return slots_[at]; }
  // A held slot may be changed in place, so long as its key and hash stay.
  constexpr Slot& operator[](std::size_t at) { return slots_[at]; }

  constexpr std::size_t size() const { return count_; }
  constexpr std::size_t slotCount() const {
    if constexpr (kGrows)
      return slots_.size();
    else
      return Traits::kSlots;
  }

  // Frees every slot; a growing table keeps its size.
  void clear() {
    for (Slot& s : slots_) s = Slot{};
    count_ = 0;
  }

  // Frees every slot and gives a growing table's memory back.
  void release() {
    if constexpr (kGrows) {
      std::vector<Slot>().swap(slots_);
      count_ = 0;
      mask_ = 0;
    } else {
      clear();
    }
  }

  // Bytes of the slots.
  std::size_t memoryUse() const {
    if constexpr (kGrows)
      return slots_.capacity() * sizeof(Slot);
    else
      return sizeof(slots_);
  }

  static constexpr std::size_t npos = ~std::size_t{0};

 private:
  constexpr std::size_t slotMask() const {
    if constexpr (kGrows)
      return mask_;
    else
      return Traits::kSlots - 1;
  }

  // The first free slot from the one that hash picks.
  constexpr std::size_t freeSlot(std::uint64_t hash) const {
    const std::size_t mask = slotMask();
    std::size_t at = static_cast<std::size_t>(hash) & mask;
    while (!Traits::isFree(slots_[at])) at = (at + 1) & mask;
    return at;
  }

  template <class HashOf>
  void grow(HashOf& hashOf) {
    std::vector<Slot> old(slots_.empty() ? Traits::kSlots : slots_.size() * 2);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const Slot& s : old)
      if (!Traits::isFree(s)) slots_[freeSlot(hashOf(s))] = s;
  }

  std::conditional_t<kGrows, std::vector<Slot>, Slot[Traits::kSlots]> slots_{};
  std::size_t count_ = 0;
  std::size_t mask_ = 0;  // of a growing table: slots - 1 (it has none at first)
};

}  // namespace vestrilo
