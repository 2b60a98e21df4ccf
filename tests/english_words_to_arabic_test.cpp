#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishNumberMaps.h"

namespace vestrilo {
namespace {

struct Case {
  const char* text;
  const char* expected;
};

TEST(WordsToArabic, ValueStrings) {
  const Case cases[] = {
      {"five", "0000000000000005"},
      {"twenty - five", "0000000000000025"},
      {"twenty -five", "0000000000000025"},
      {"twenty-  five", "0000000000000025"},
      {"twenty  -  five", "0000000000000025"},
      {"ninety-nine", "0000000000000099"},
      {"hundred", "0000000000000100"},
      {"a hundred", "0000000000000100"},
      {"one hundred and five", "0000000000000105"},
      {"two hundred five", "0000000000000205"},
      {"two hundred and twenty-five", "0000000000000225"},
      {"nineteen hundred", "0000000000001900"},
      {"ninety-nine hundred and ninety-nine", "0000000000009999"},
      {"thousand", "0000000000001000"},
      {"thousand and one", "0000000000001001"},
      {"two thousand and eight", "0000000000002008"},
      {"one hundred and one thousand", "0000000000101000"},
      {"one million two hundred thousand", "0000000001200000"},
      {"two and a half million", "0000000002500000"},
      {"three and a half billion", "0000003500000000"},
      {"one and a half thousand", "0000000000001500"},
      {"one trillion", "0001000000000000"},
      {"five quadrillion", "5000000000000000"},
      {"two quadrillion five trillion", "2005000000000000"},
      {"nine hundred ninety-nine billion nine hundred ninety-nine million nine hundred ninety-nine "
       "thousand nine hundred ninety-nine",
       "0000999999999999"},
      {"zero", "0000000000000000"},
      {"a", "0000000000000001"},
      {"", "0000000000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(EnglishSentence::wordsToArabic(c.text), c.expected) << c.text;
}

TEST(WordsToArabic, GroupsBelowOneThousand) {
  const Case cases[] = {
      {"one hundred and five", "0105"}, {"nineteen hundred", "1900"}, {"", "0000"},
      {"hundred", "0100"},              {"a hundred", "0100"},        {"twelve", "0012"},
      {"two and a half", "0002"},       {"hundred and", "0100"},      {"one hundred and ", "0100"},
  };
  for (const Case& c : cases) EXPECT_EQ(EnglishSentence::hundredsToDigits(c.text), c.expected) << c.text;
}

// Text outside the supported input has no defined value, but it must neither
// crash nor lose the fixed width that callers index into.
TEST(WordsToArabic, UnsupportedTextKeepsTheFixedWidth) {
  const std::string texts[] = {
      "one million and five", "hello", "million", "billion two million", "five million two billion",
      "thousand thousand", "-", " - ", "- - -", "and a half", " and a half", "and a half thousand",
      "hundredth", "one hundredth", "<one>", "one>(01)<two", "quadrillionquadrillion", "a.m.",
      "twenty-", "-five", "\xff\x80 hundred", std::string(300, ' '),
  };
  for (const std::string& t : texts) {
    const std::string v = EnglishSentence::wordsToArabic(t);
    ASSERT_EQ(v.size(), 16u) << t;
    for (char ch : v) EXPECT_TRUE(ch >= '0' && ch <= '9') << t;
    EXPECT_EQ(EnglishSentence::hundredsToDigits(t).size(), 4u) << t;
  }
  EXPECT_EQ(EnglishSentence::wordsToArabic("hello"), "0000000000000000");
}

TEST(WordsToArabic, ValueSaturatesInsteadOfWrapping) {
  constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(EnglishSentence::wordsValue("twenty-five"), 25);
  EXPECT_EQ(EnglishSentence::wordsValue("seven fifty"), 0);  // no such key: reads as zero
  EXPECT_EQ(EnglishSentence::wordsValue("two billion"), 2000000000);
  EXPECT_EQ(EnglishSentence::wordsValue("three billion"), max);
  EXPECT_EQ(EnglishSentence::wordsValue("five quadrillion"), max);

  EXPECT_EQ(ascii::saturatingAtoi("2147483647"), max);
  EXPECT_EQ(ascii::saturatingAtoi("2147483648"), max);
  EXPECT_EQ(ascii::saturatingAtoi("99999999999999999999999"), max);
  EXPECT_EQ(ascii::saturatingAtoi("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ascii::saturatingAtoi("-99999999999"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ascii::saturatingAtoi(" \t+3,500"), 3);
  EXPECT_EQ(ascii::saturatingAtoi("x5"), 0);
  EXPECT_EQ(ascii::saturatingAtoi(""), 0);
}

TEST(NumberWordMap, HoldsEveryCardinalBelowOneHundred) {
  static const char* const units[] = {"zero",    "one",     "two",       "three",    "four",
                                      "five",    "six",     "seven",     "eight",    "nine",
                                      "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                      "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
  static const char* const tens[] = {"twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
  int keys = 0;
  for (int n = 0; n < 100; ++n) {
    std::string word;
    if (n < 20) {
      word = units[n];
    } else {
      word = tens[n / 10 - 2];
      if (n % 10 != 0) word += std::string("-") + units[n % 10];
    }
    char expected[3] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 0};
    EXPECT_EQ(numberWordMap.lookup(word), expected) << word;
    ++keys;
  }
  EXPECT_EQ(numberWordMap.lookup("a"), "01");
  // 100 cardinals and the article.
  std::size_t pairs = 0;
  for (char ch : numberWordMap.text()) pairs += ch == '<';
  EXPECT_EQ(pairs, static_cast<std::size_t>(keys + 1));
  for (const char* notKey : {"hundred", "thousand", "and", "forty-zero", "fourty"})
    EXPECT_FALSE(numberWordMap.hasKey(notKey)) << notKey;
}

}  // namespace
}  // namespace vestrilo
