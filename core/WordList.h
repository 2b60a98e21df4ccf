// Word lists and tagged key/value maps: the two text formats in which lexicon/
// holds all of Vestrilo's word knowledge, and their membership and lookup tests.
//
// A word list is "<w1><w2>...<wn>"; a tagged map is "<key1>(value1)<key2>(value2)...".
// Every test is a byte-wise substring search of the text from its start, so the
// answers (including first positions and duplicate words) are those of the texts
// exactly as written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Bytes.h"
#include "core/Hash.h"
#include "core/HashTable.h"

namespace vestrilo {

// Offset of the first "<" + word + ">" in text, or npos; no allocation.
std::size_t findBracketed(std::string_view text, std::string_view word);

// Calls f(word, position of its "<") for every bracketed word of a list or map
// text, in order. A word runs from a "<" to the next ">"; a "<" met before that
// ">" starts the word anew. f returns false to stop.
template <class F>
constexpr void forEachBracketedWord(std::string_view text, F&& f) {
  for (std::size_t p = 0; p < text.size(); ++p) {
    if (text[p] != '<') continue;
    std::size_t q = p + 1;
    while (q < text.size() && text[q] != '>' && text[q] != '<') ++q;
    if (q >= text.size()) return;
    if (text[q] == '<') continue;  // the word starts at the later "<"
    if (!f(text.substr(p + 1, q - p - 1), p)) return;
  }
}

// A hash index, built at compile time, of the bracketed words of a list or map
// text. It answers "where is the first <word>" in a few comparisons instead of a
// scan of the text, with exactly the answers of the scan: a word free of "<"
// and ">" can only match one whole bracketed segment, and the index keeps the
// first segment of each spelling. Words holding a bracket (which may match
// across segments) and texts too large for the index take the scan.
class WordIndex {
 public:
  constexpr explicit WordIndex(std::string_view text) {
    if (text.size() >= 0xFFFF) {
      complete_ = false;
      return;
    }
    firstBytes_.addFirstBytesOfList(text);
    forEachBracketedWord(text, [&](std::string_view word, std::size_t p) {
      if (word.size() > maxWord_) maxWord_ = word.size();
      lengths_ |= std::uint64_t{1} << (word.size() < 63 ? word.size() : 63);
      const std::uint32_t h = wordHash(word);
      const auto probe = slots_.find(h, holdsWord, text, word);
      if (probe.found) return true;  // a later segment of the same spelling
      if (slots_.place(probe, h, static_cast<std::uint16_t>(p + 1)) == Slots::npos) {
        complete_ = false;  // more words than the index holds
        return false;
      }
      return true;
    });
  }

  std::size_t find(std::string_view text, std::string_view word) const {
    if (word.size() + 2 > text.size()) return std::string_view::npos;
    if (!complete_) return findBracketed(text, word);
    // A match, even one across segments ("<a><b>" holds "a><b"), begins at a "<".
    if (!mayBegin(word)) return std::string_view::npos;
    if (hasBracket(word)) return findBracketed(text, word);
    return findSegment(text, word);
  }

  // The first segment that holds exactly word; a word with a bracket holds none.
  std::size_t findWhole(std::string_view text, std::string_view word) const {
    if (word.size() + 2 > text.size()) return std::string_view::npos;
    if (!complete_) return hasBracket(word) ? std::string_view::npos : findBracketed(text, word);
    if (!mayBegin(word) || hasBracket(word)) return std::string_view::npos;
    return findSegment(text, word);
  }

 private:
  std::size_t findSegment(std::string_view text, std::string_view word) const {
    if (!mayHold(word)) return std::string_view::npos;
    // The offset of the segment's "<"; a free slot (0) gives npos.
    return std::size_t{slots_.lookup(wordHash(word), holdsWord, text, word)} - 1u;
  }

  // A cheap first test: most words asked about have a length or a first byte
  // that no word of the text has.
  bool mayHold(std::string_view word) const {
    return word.size() <= maxWord_ && ((lengths_ >> (word.size() < 63 ? word.size() : 63)) & 1);
  }
  // Whether "<" + word + ">" can begin at one of the text's "<": word's first
  // byte follows a "<" somewhere in the text.
  bool mayBegin(std::string_view word) const {
    if (word.empty()) return true;
    return firstBytes_.has(static_cast<unsigned char>(word[0]));
  }

  static constexpr bool hasBracket(std::string_view word) {
    for (char c : word)
      if (c == '<' || c == '>') return true;
    return false;
  }
  // Whether the segment of the slot (whose "<" stands at slot - 1) holds exactly word.
  static constexpr bool holdsWord(std::uint16_t slot, std::string_view text, std::string_view word) {
    const std::size_t p = slot - 1u;
    return p + word.size() + 2 <= text.size() && text[p + word.size() + 1] == '>' &&
           std::char_traits<char>::compare(text.data() + p + 1, word.data(), word.size()) == 0;
  }

  // A slot is 0 when free, else the offset + 1 of a segment's "<". The index
  // is built at compile time, so its table is fixed: a text with more words
  // than it holds takes the scan.
  using Slots = HashTable<NumberSlots<std::uint16_t, SlotStorage::Fixed, 256>>;
  Slots slots_;
  std::size_t maxWord_ = 0;
  std::uint64_t lengths_ = 0;          // bit n: a word of n bytes (63: 63 or more)
  ByteSet firstBytes_;                 // the bytes that follow a "<" of the text
  bool complete_ = true;
};

class LexiconList {
 public:
  constexpr explicit LexiconList(std::string_view text) : text_(text), index_(text) {}

  // Whole-word membership: the list contains "<" + word + ">".
  bool hasWord(std::string_view word) const { return wordPosition(word) != std::string_view::npos; }

  // Plain substring test of the bare text (holds for the empty text).
  bool hasText(std::string_view piece) const { return text_.find(piece) != std::string_view::npos; }

  // Whether word is one whole word of the list. Unlike the word test, a word
  // holding "<" or ">" never matches across two words of the list.
  bool hasWholeWord(std::string_view word) const { return index_.findWhole(text_, word) != std::string_view::npos; }

  // Byte offset of the first "<" + word + ">", or npos.
  std::size_t wordPosition(std::string_view word) const { return index_.find(text_, word); }

  constexpr std::string_view text() const { return text_; }

 private:
  std::string_view text_;
  WordIndex index_;
};

class TaggedMap {
 public:
  constexpr explicit TaggedMap(std::string_view text) : text_(text), index_(text) {}

  // The value written in parentheses after the first "<" + key + ">", or the
  // empty text when the key is missing (or has no well-formed value after it).
  std::string_view lookup(std::string_view key) const;

  // The lookup as a new string, for callers that build text from it.
  std::string value(std::string_view key) const { return std::string(lookup(key)); }

  // Offset of the first "<" + key + ">", or npos.
  std::size_t keyPosition(std::string_view key) const { return index_.find(text_, key); }
  bool hasKey(std::string_view key) const { return keyPosition(key) != std::string_view::npos; }

  // Plain substring test of the bare text.
  bool hasText(std::string_view piece) const { return text_.find(piece) != std::string_view::npos; }

  constexpr std::string_view text() const { return text_; }

 private:
  std::string_view text_;
  WordIndex index_;
};

}  // namespace vestrilo
