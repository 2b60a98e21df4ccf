// A small hash table from words to bit masks, filled from word lists once, so
// that a token's membership in several lists is found with one look-up instead
// of one search per list and rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/Bytes.h"
#include "core/Hash.h"
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

  // Adds bits to word (kept as a view: the text must outlive the table).
  void add(std::string_view word, std::uint32_t bits) {
    if (word.size() > kMaxWord || count_ + 1 >= kSlots / 2) return;  // never for the lists it is used with
    std::size_t slot = wordHash(word) & (kSlots - 1);
    while (slots_[slot].used && slots_[slot].word != word) slot = (slot + 1) & (kSlots - 1);
    if (!slots_[slot].used) {
      slots_[slot].used = true;
      slots_[slot].word = word;
      ++count_;
      lengths_ |= std::uint32_t{1} << word.size();
      first_.addFirstByte(word);
    }
    slots_[slot].bits |= bits;
  }

  // The bits of word, 0 when it is in no list.
  std::uint32_t bitsOf(std::string_view word) const {
    if (word.size() > kMaxWord || !((lengths_ >> word.size()) & 1)) return 0;
    if (!word.empty() && !first_.has(static_cast<unsigned char>(word[0]))) return 0;
    for (std::size_t slot = wordHash(word) & (kSlots - 1); slots_[slot].used; slot = (slot + 1) & (kSlots - 1))
      if (slots_[slot].word == word) return slots_[slot].bits;
    return 0;
  }

  static constexpr std::size_t kMaxWord = 31;

 private:
  static constexpr std::size_t kSlots = 512;

  struct Slot {
    std::string_view word;
    std::uint32_t bits = 0;
    bool used = false;
  };
  Slot slots_[kSlots];
  std::size_t count_ = 0;
  std::uint32_t lengths_ = 0;    // bit n: a word of n bytes
  ByteSet first_;                // the first bytes of the words
};

}  // namespace vestrilo
