// A generated English corpus of 100,000 lines through the -E2C direction: every
// mixture of number and time words, digits, punctuation and stray bytes must run
// without a fault and give well-formed pair lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

// A small fixed generator, so the corpus is the same on every platform.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed) {}
  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<std::uint32_t>(state_ >> 11);
  }
  std::size_t below(std::size_t n) { return next() % n; }
  template <class T, std::size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(N)];
  }

 private:
  std::uint64_t state_;
};

const char* const kNumberWords[] = {
    "zero",     "one",     "two",     "three",  "four",     "five",     "six",       "seven",     "eight",
    "nine",     "ten",     "eleven",  "twelve", "fifteen",  "nineteen", "twenty",    "thirty",    "forty",
    "fifty",    "ninety",  "hundred", "thousand", "million", "billion", "twenty-five", "ninety-nine",
    "Twenty-One", "ninety-nineteen", "a", "and", "point", "half", "quarter", "o", "double", "triple"};
const char* const kTimeWords[] = {
    "first",  "second", "third",     "fifth",  "twentieth", "hundredth", "thirds",  "fifths", "quarters",
    "January", "may",   "March",     "jan",    "Sept",      "dec",       "Monday",  "sunday", "o'clock",
    "a.m.",   "p.m.",   "a.m",       "B.C.",   "ad",        "bc",        "past",    "to",     "of",
    "after",  "from",   "at",        "around", "before",    "percent",   "the",     "twenty-first"};
const char* const kDigitTokens[] = {"5",    "12",  "31",   "35",   "2004", "99999999999999999999", "3.5",
                                    "1,200", ".5", "1.2.3", "10:30", "9:45", "99:99", "21st", "3rd", "1th",
                                    "0",    "007", "12345"};
const char* const kPlainWords[] = {"we", "meet", "it", "costs", "dollars", "people", "Hello", "is", "was",
                                   "年", "星期", "三点", "this", "year", "than"};
const char* const kPunctuation[] = {",", ".", "%", "-", " - ", "--", "(", ")", "!", "...", ":", "'", "|||"};
const char* const kSeparators[] = {" ", " ", " ", " ", "  ", "\t", " \t "};

std::string strayBytes(Generator& g) {
  std::string s;
  const std::size_t n = 1 + g.below(3);
  for (std::size_t i = 0; i < n; ++i) {
    char c = static_cast<char>(g.below(256));
    if (c == '\n') c = '\r';
    s += c;
  }
  return s;
}

std::string corpusLine(Generator& g) {
  std::string line;
  const std::size_t words = g.below(18);
  for (std::size_t i = 0; i < words; ++i) {
    if (i > 0) line += g.pick(kSeparators);
    const std::size_t r = g.below(100);
    if (r < 34)
      line += g.pick(kNumberWords);
    else if (r < 62)
      line += g.pick(kTimeWords);
    else if (r < 75)
      line += g.pick(kDigitTokens);
    else if (r < 87)
      line += g.pick(kPlainWords);
    else if (r < 97)
      line += g.pick(kPunctuation);
    else
      line += strayBytes(g);
  }
  // Now and then a line ends in a lone lead byte or a carriage return.
  const std::size_t end = g.below(50);
  if (end == 0) line += '\xB0';
  if (end == 1) line += '\r';
  return line;
}

TEST(EnglishCorpus, OneHundredThousandGeneratedLinesRunCleanly) {
  Generator g(0x5eed2004u);
  std::string corpus;
  constexpr int kLines = 100000;
  for (int i = 0; i < kLines; ++i) {
    corpus += corpusLine(g);
    corpus += '\n';
  }

  test::TempDir dir;
  const std::string in = dir.file("corpus.txt"), out = dir.file("pairs.txt");
  test::writeFile(in, corpus);
  const test::RunResult r = test::runVestrilo({"-E2C", in, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("\nProcessing Line 100000"), std::string::npos);

  // Every output line is a source, the separator and a translation, neither empty.
  const std::string pairs = test::readFile(out);
  ASSERT_FALSE(pairs.empty());
  ASSERT_EQ(pairs.back(), '\n');
  std::size_t lines = 0;
  for (std::size_t b = 0; b < pairs.size();) {
    const std::size_t e = pairs.find('\n', b);
    const std::string line = pairs.substr(b, e - b);
    const std::size_t bars = line.find(" ||| ");
    ASSERT_NE(bars, std::string::npos) << line;
    EXPECT_GT(bars, 0u) << line;
    EXPECT_GT(line.size(), bars + 5) << line;
    ++lines;
    b = e + 1;
  }
  EXPECT_GT(lines, 1000u);
}

}  // namespace
}  // namespace vestrilo
