// The quick scan in front of the English stages: one walk over the line that
// decides whether it can hold an entity at all. Most lines of real text hold
// none, and for them the stages are skipped.
//
// Claim: a line without an ASCII digit, in which no maximal run of ASCII
// letters, lower-cased, is a word of one of the six class lists (units, tens,
// magnitudes, ordinals, weekdays, months), gives no entity.
//
// Proof. Every token the tokenizer classes as something other than Plain needs
// one of these:
// - Arabic, a digit ordinal ("21st") and a clock shape ("10:30") need a digit;
// - a list class needs the whole token to be a list word, or (for a token with
//   "<" or ">") a run of whole list words joined by "><"; a hyphen compound
//   needs a tens word before the first "-". Tokens are split at white space,
//   and punctuation at their ends is split off, so the byte before a token is
//   white space, punctuation or the start of the line, never a letter; list
//   words are lower-case letters only. So the token's first list word is a
//   maximal run of letters of the lower-cased line.
// Every rule of recognize and disambiguate that gives a record a rendered kind
// needs a record of a non-Plain kind among the ones it looks at: the joins of
// pass 1 need Tens, Units, Arabic, Figure, Magnitude or MonthDate records (rule
// 10 tests texts against the units list, which only units words pass: such a
// token is Units); pass 2 needs MonthDate, Units, Magnitude; pass 3 MonthDate,
// DayDate or WordNumber; pass 4 Clock, Units, DayDate, MonthDate or Arabic; and
// disambiguate WordNumber, Arabic, Units, Tens, Clock, Ordinal or MonthDate
// (rule 8 only ever makes a record Plain). Those kinds are themselves only made
// from tokenizer classes. The other rules (a quarter, a.m, b.c) make Plain
// records. So a line whose tokens are all Plain ends with Plain records only,
// and gives no pair.
//
// The extended rules read more words without a digit or a list word in the
// line: the words of extendedTriggerList (lexicon/EnglishExtendedWords.h).
// Every extended rule that gives a rendered kind needs a record the classic
// tokenizer classes, a digit, or one of those words: a number split off its
// hyphenated noun is a list word that is a maximal run of letters (sixteen in
// sixteen-bit); dates, clock times with seconds, decades, multipliers and
// joined digits hold digits; negatives, ranges, percentages, out of, over,
// mixed numbers and the old orders join numbers the classic classes find;
// half, quarters, dozens, the score words, nought, the new scale and ordinal
// words, midnight, noon and the weekday abbreviations are in the list (a
// weekday abbreviation is kept only beside a date or another weekday, and
// each is in the list). So for the extended rules the claim holds with the
// list's words added to the six lists.
//
// The claim is checked against the full stages by a differential test
// (tests/quick_scan_test.cpp) and by both English fuzz targets.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/Bytes.h"
#include "core/WordTable.h"
#include "english/EnglishSentence.h"
#include "english/EnglishWordClasses.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace {

// A first test of a run of letters before the table look-up: the last letters
// that the list words of each length and first letter have. Most words of
// running text fail it ("the" has no list word of three letters that starts
// with t and ends with e).
class RunFilter {
 public:
  // The filter of the six class lists, and with `more` (the extended rules'
  // words) added.
  constexpr RunFilter() {
    for (const english_word::ClassList& c : english_word::classLists) add(*c.list);
  }
  constexpr explicit RunFilter(const LexiconList& more) : RunFilter() { add(more); }

  // Whether a run of letters (upper- or lower-case) may be a list word.
  bool mayBeWord(const char* run, std::size_t length) const {
    if (!allLetters_) return true;  // the filter holds only for lists of lower-case letters
    if (length >= kLongest) return false;
    return (lastLetters_[length][letter(run[0])] >> letter(run[length - 1])) & 1;
  }

 private:
  constexpr void add(const LexiconList& list) {
    forEachBracketedWord(list.text(), [&](std::string_view word, std::size_t) {
      for (char ch : word)
        if (ch < 'a' || ch > 'z') allLetters_ = false;
      if (!word.empty() && word.size() < kLongest)
        lastLetters_[word.size()][letter(word.front())] |= std::uint32_t{1} << letter(word.back());
      return true;
    });
  }

  static constexpr std::size_t kLongest = 16;  // longer than every list word
  static constexpr unsigned letter(char c) { return static_cast<unsigned>((c | 0x20) - 'a') & 31; }
  std::uint32_t lastLetters_[kLongest][32] = {};
  bool allLetters_ = true;
};

constexpr RunFilter runFilter;
constexpr RunFilter extendedRunFilter(extendedTriggerList);

// The words the extended rules read beyond the six lists.
const WordTable& extendedTriggers() {
  static const WordTable words = [] {
    WordTable t;
    t.addList(extendedTriggerList.text(), 1);
    return t;
  }();
  return words;
}

}  // namespace

bool EnglishSentence::mayHoldEntity(std::string_view line, RuleSet rules) {
  const WordTable& words = english_word::table();
  const bool extended = rules == RuleSet::Extended;
  const RunFilter& filter = extended ? extendedRunFilter : runFilter;
  const std::size_t n = line.size();
  char word[WordTable::kMaxWord + 1];
  std::size_t i = 0;
  while (i < n) {
    const char c = line[i];
    if (ascii::isDigit(c)) return true;
    if (!ascii::isLetter(c)) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < n && ascii::isLetter(line[i])) ++i;
    const std::size_t length = i - start;
    if (!filter.mayBeWord(line.data() + start, length)) continue;
    for (std::size_t k = 0; k < length; ++k) word[k] = static_cast<char>(line[start + k] | 0x20);
    if (words.bitsOf(std::string_view(word, length)) != 0) return true;
    if (extended && extendedTriggers().bitsOf(std::string_view(word, length)) != 0) return true;
  }
  return false;
}

}  // namespace vestrilo
