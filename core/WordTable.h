// A small hash table from words to bit masks, filled from word lists once, so
// that a token's membership in several lists is found with one look-up instead
// of one search per list and rule. It grows with the words given to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/Bytes.h"
#include "core/Hash.h"
#include "core/HashTable.h"
#include "core/WordList.h"

namespace vestrilo {

class WordTable {
 public:
  // Adds bits to every word of a word list "<w1><w2>...".
  void addList(std::string_view list, std::uint32_t bits) {
    forEachBracketedWord(list, [&](std::string_view word, std::size_t) {
      add(word, bits);
      return true;
    });
  }

  // Adds bits to word (kept as a view: the text must outlive the table). A
  // word longer than kMaxWord is not held (its bits are always 0).
  void add(std::string_view word, std::uint32_t bits) {
    if (word.size() > kMaxWord) return;
    const std::uint32_t h = wordHash(word);
    auto probe = slots_.find(h, holds, word);
    if (!probe.found) {
      probe.at = slots_.place(probe, h, Slot{word, 0, true}, [](const Slot& s) { return wordHash(s.word); });
      lengths_ |= std::uint32_t{1} << word.size();
      first_.addFirstByte(word);
    }
    slots_[probe.at].bits |= bits;
  }

  // The bits of word, 0 when it is in no list.
  std::uint32_t bitsOf(std::string_view word) const {
    if (word.size() > kMaxWord || !((lengths_ >> word.size()) & 1)) return 0;
    if (!word.empty() && !first_.has(static_cast<unsigned char>(word[0]))) return 0;
    return slots_.lookup(wordHash(word), holds, word).bits;  // a free slot's are 0
  }

  std::size_t size() const { return slots_.size(); }

  static constexpr std::size_t kMaxWord = 31;

 private:
  struct Slot {
    std::string_view word;
    std::uint32_t bits = 0;
    bool used = false;
  };
  struct SlotTraits {
    using Slot = WordTable::Slot;
    static constexpr bool isFree(const Slot& s) { return !s.used; }
    static constexpr bool kGrows = true;
    static constexpr std::size_t kSlots = 512;
  };
  static bool holds(const Slot& s, std::string_view word) { return s.word == word; }

  HashTable<SlotTraits> slots_;
  std::uint32_t lengths_ = 0;    // bit n: a word of n bytes
  ByteSet first_;                // the first bytes of the words
};

}  // namespace vestrilo
