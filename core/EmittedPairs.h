// The registry of translation pairs written during a run (the rule that
// decides what is written is core/Admission.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <memory>
#include <vector>

#include "core/HashTable.h"

namespace vestrilo {

// The set of (source, translation) pairs registered in a run, with exact
// membership. A run may register millions of pairs, so they are stored
// compactly: the bytes of every pair (two lengths of a byte or two, then the two
// texts) go one after the other into blocks of up to 1 MiB, and a hash table of
// 64-bit slots (a piece of the hash and the pair's place) finds them; no pair
// has an allocation or an index entry of its own.
class EmittedPairs {
 public:
  EmittedPairs() = default;
  EmittedPairs(EmittedPairs&&) noexcept = default;
  EmittedPairs& operator=(EmittedPairs&&) noexcept = default;

  bool contains(std::string_view source, std::string_view translation) const;
  // Registers the pair; true when it was not registered before.
  bool insert(std::string_view source, std::string_view translation);
  // Forgets the pair; true when it was registered. (Its bytes stay held until
  // clear(): forgetting is for taking back a task that failed.)
  bool erase(std::string_view source, std::string_view translation);
  std::size_t size() const { return slots_.size(); }
  void clear();
  // Bytes held (blocks, table and index), for tests of the growth.
  std::size_t memoryUse() const;

 private:
  // A slot: 0 when free, else the top kTagBits bits of the pair's hash above
  // its location (block number << kOffsetBits | offset in the block).
  static constexpr unsigned kOffsetBits = 20;
  static constexpr std::size_t kBlock = std::size_t(1) << kOffsetBits;
  static constexpr unsigned kLocationBits = 40;
  static constexpr unsigned kTagBits = 64 - kLocationBits;
  static constexpr std::uint64_t kLocationMask = (std::uint64_t{1} << kLocationBits) - 1;
  using Slots = HashTable<NumberSlots<std::uint64_t, SlotStorage::Growing, 1024>>;

  static std::uint64_t hash(std::string_view source, std::string_view translation);
  // The probe for the pair whose hash is h.
  Slots::Probe find(std::uint64_t h, std::string_view source, std::string_view translation) const;
  // The hash of the pair a slot holds (the slot keeps only a piece of it).
  std::uint64_t hashOf(std::uint64_t slot) const;
  // The pair stored at a location: its two texts.
  void read(std::uint64_t location, std::string_view& source, std::string_view& translation) const;
  // Copies the pair into the blocks (both lengths, then both texts); returns its location.
  std::uint64_t store(std::string_view source, std::string_view translation);

  Slots slots_;
  std::vector<std::unique_ptr<char[]>> blocks_;  // a pair longer than a block gets one of its own
  static constexpr std::size_t kFirstBlock = 4096;
  std::size_t blockSize_ = 0;       // bytes of the last block
  std::size_t blockUsed_ = 0;       // bytes used in the last block
  std::size_t blockBytes_ = 0;      // bytes allocated in all blocks
};

}  // namespace vestrilo
