// A class mask for every two-byte GBK character, filled at compile time from
// word lists of single characters, so that "is this character in list X" costs
// one table read instead of a search of the list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/WordList.h"

namespace vestrilo {

class CharClassTable {
 public:
  constexpr CharClassTable() = default;

  // Gives bits to every two-byte word "<c>" of a word list (one whose first byte
  // is 0x80 or more); other words of the list are ignored.
  constexpr void add(std::string_view list, std::uint16_t bits) {
    forEachBracketedWord(list, [&](std::string_view word, std::size_t) {
      if (word.size() == 2 && static_cast<unsigned char>(word[0]) >= 0x80) addCharacter(word, bits);
      return !overflow_;
    });
  }

  // Gives bits to the two-byte character c.
  constexpr void addCharacter(std::string_view c, std::uint16_t bits) {
    const unsigned char lead = static_cast<unsigned char>(c[0]);
    const unsigned char trail = static_cast<unsigned char>(c[1]);
    if (row_[lead] == 0) {
      if (rows_ + 1 >= kRows) {
        overflow_ = true;  // caught by the static_assert of the table's user
        return;
      }
      row_[lead] = static_cast<std::uint8_t>(++rows_);
    }
    classes_[row_[lead]][trail] |= bits;
  }

  // The class of the character whose bytes are lead and trail (0: in no list).
  constexpr std::uint16_t of(unsigned char lead, unsigned char trail) const { return classes_[row_[lead]][trail]; }

  constexpr bool overflowed() const { return overflow_; }

 private:
  static constexpr std::size_t kRows = 48;
  std::uint8_t row_[256] = {};  // row of a lead byte; row 0 is all zero
  std::uint16_t classes_[kRows][256] = {};
  std::size_t rows_ = 0;
  bool overflow_ = false;
};

}  // namespace vestrilo
