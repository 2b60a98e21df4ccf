// Arbitrary bytes through the English tokenizer, recognition and
// disambiguation: nothing may crash or read outside the line, and the records
// must keep their invariants whatever the input.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "english/EnglishSentence.h"

namespace vestrilo {
namespace {

bool isAsciiSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

// Records in order, inside the line, never empty, never overlapping; the working
// copy differs from the line only by lower-casing and by "-" written over white
// space between two joined words.
void expectSound(const EnglishSentence& s, const std::string& line, const char* stage) {
  ASSERT_EQ(s.sentence, line) << stage;
  ASSERT_EQ(s.lowered.size(), line.size()) << stage;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char in = line[i], out = s.lowered[i];
    const bool lowered = in >= 'A' && in <= 'Z' ? out == in + 32 : out == in;
    ASSERT_TRUE(lowered || (out == '-' && isAsciiSpace(in))) << stage << " byte " << i;
  }
  std::int64_t end = 0;
  for (std::size_t i = 0; i < s.entities.size(); ++i) {
    const EnglishEntity& e = s.entities[i];
    ASSERT_GE(e.start, end) << stage << " record " << i;
    ASSERT_GT(e.length, 0) << stage << " record " << i;
    end = static_cast<std::int64_t>(e.start) + e.length;
    ASSERT_LE(end, static_cast<std::int64_t>(line.size())) << stage << " record " << i;
    ASSERT_NE(e.kind, EnglishEntityKind::NoNeighbour) << stage;
  }
}

void runStages(const std::string& line) {
  EnglishSentence s(line);
  s.tokenize();
  expectSound(s, line, "tokenize");
  s.recognize();
  expectSound(s, line, "recognize");
  s.disambiguate();
  expectSound(s, line, "disambiguate");
  for (const EnglishEntity& e : s.entities) {
    const std::string value = EnglishSentence::wordsToArabic(std::string(s.workingText(e)));
    ASSERT_EQ(value.size(), 16u);
    for (char ch : value) ASSERT_TRUE(ch >= '0' && ch <= '9');
  }
}

TEST(EnglishHostileBytes, RandomBytes) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> byte(0, 255), size(0, 80);
  for (int n = 0; n < 10000; ++n) {
    std::string line(static_cast<std::size_t>(size(rng)), '\0');
    for (char& ch : line) ch = static_cast<char>(byte(rng));
    SCOPED_TRACE(testing::PrintToString(line));
    runStages(line);
    if (HasFatalFailure()) return;
  }
}

// Lines made of the words and marks the rules look for, so that the rules fire
// in every order and combination, including the dot-taking and hyphen-writing
// ones.
TEST(EnglishHostileBytes, RuleWordSoup) {
  static const char* const words[] = {
      "one", "two", "five", "ten", "twelve", "nineteen", "twenty", "fifty", "ninety", "twenty-five",
      "twenty-first", "first", "second", "third", "thirds", "seconds", "tenth", "-", "o", "o'clock",
      "quarter", "a", "half", "and", "point", "percent", "%", "at", "past", "after", "to", "of", "from",
      "hundred", "thousand", "million", "billion", "a.m", "p.m", "a.m.", "b.c", "a.d", "bc", "ad", ".",
      ",", "..", ".5", "5", "2004", "12", "99999999999", "5th", "may", "March", "jan", "monday",
      "10:30", "TWENTY", "One", "<one>", "><", "one><two", "\xb0\xa1", "\xff", "\x80", "\0", "x",
      "(", ")", "--", "'", ";",
  };
  static const char* const separators[] = {" ", " ", " ", "", "  ", "\t", " \r", "\n"};
  std::mt19937 rng(7);
  std::uniform_int_distribution<std::size_t> pickWord(0, std::size(words) - 1),
      pickSeparator(0, std::size(separators) - 1), count(1, 24);
  for (int n = 0; n < 12000; ++n) {
    std::string line;
    for (std::size_t k = count(rng); k > 0; --k) {
      const char* w = words[pickWord(rng)];
      line += w[0] == '\0' ? std::string(1, '\0') : std::string(w);
      line += separators[pickSeparator(rng)];
    }
    SCOPED_TRACE(testing::PrintToString(line));
    runStages(line);
    if (HasFatalFailure()) return;
  }
}

TEST(EnglishHostileBytes, LongLines) {
  // Many records, long tokens, long runs that keep growing one entity.
  std::string figures, decimals, numbers, clocks;
  for (int i = 0; i < 5000; ++i) {
    figures += "one ";
    decimals += i == 0 ? "three point one" : " four";
    numbers += "two hundred and ";
    clocks += "at ten past five a.m. May 5, 2004 a.d. 5th may ad ";
  }
  for (const std::string& line : {figures, decimals, numbers, clocks, std::string(100000, 'x'),
                                  std::string(100000, '.'), std::string(100000, ' '),
                                  std::string(100000, '\xb0')}) {
    runStages(line);
    if (HasFatalFailure()) return;
  }
  EnglishSentence s(figures);
  s.tokenize();
  s.recognize();
  ASSERT_EQ(s.entities.size(), 1u);
  EXPECT_EQ(s.entities[0].kind, EnglishEntityKind::Figure);
}

}  // namespace
}  // namespace vestrilo
