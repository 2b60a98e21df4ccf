// Chinese numerals to fixed-width digit strings, and digit-by-digit reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chinese/ChineseSentence.h"

namespace vestrilo {
namespace {

struct Case {
  std::string text;
  std::string digits;
};

TEST(ChineseNumeralToArabic, ReadsCommonNumerals) {
  const std::vector<Case> cases = {
      {"二十", "0000000000000020"},
      {"十", "0000000000000010"},
      {"十五", "0000000000000015"},
      {"十万", "0000000000100000"},
      {"两千零八", "0000000000002008"},
      {"一千零五十", "0000000000001050"},
      {"三百二十五", "0000000000000325"},
      {"三亿零五百万", "0000000305000000"},
      {"三万亿", "0003000000000000"},
      {"九千九百九十九万九千九百九十九亿九千九百九十九万九千九百九十九", "9999999999999999"},
      {"一百零二", "0000000000000102"},
      {"三千零五", "0000000000003005"},
      {"五", "0000000000000005"},
      {"两", "0000000000000002"},
      // A digit-only run keeps only its last digit.
      {"一九九八", "0000000000000008"},
      {"零五", "0000000000000005"},
      // Zero and empty texts fill the width with zeros.
      {"万", "0000000000000000"},
      {"零", "0000000000000000"},
      {"", "0000000000000000"},
      {"半", "0000000000000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChineseSentence::chineseNumeralToArabic(c.text), c.digits) << c.text;
  }
}

// A 十 with no numeral before it (or after 零) is one ten; an abbreviated last
// numeral after 千 or 百 takes the next lower place; one numeral after 万 or 亿
// is spoken for the next lower magnitude.
TEST(ChineseNumeralToArabic, ReadsAbbreviatedForms) {
  const std::vector<Case> cases = {
      {"一百十", "0000000000000110"},
      {"一千零十", "0000000000001010"},
      {"十万零十", "0000000000100010"},
      {"三千五", "0000000000003500"},
      {"一百二", "0000000000000120"},
      {"三千五百五", "0000000000003550"},
      {"三千零五", "0000000000003005"},
      {"一百零二", "0000000000000102"},
      {"两万三", "0000000000023000"},
      {"一万零三", "0000000000010003"},
      {"两万零", "0000000000020000"},
      {"三亿五", "0000000350000000"},
      {"三 亿 五", "0000000350000000"},
      {"三亿零五", "0000000300000005"},
      {"一万五千", "0000000000015000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChineseSentence::chineseNumeralToArabic(c.text), c.digits) << c.text;
  }
}

// 万万 is 亿; a 两 that ends a numeral right after 百, 千, 万 or 亿 is the measure
// word (tael) and adds nothing, while any other last numeral there is the
// abbreviated next lower place.
TEST(ChineseNumeralToArabic, DoubledTenThousandsAndTheMeasureWordTwo) {
  const std::vector<Case> cases = {
      {"四万万", "0000000400000000"},
      {"十万万", "0000001000000000"},
      {"一万万", "0000000100000000"},
      {"四 万 万", "0000000400000000"},
      {"四万万五", "0000000450000000"},
      {"四万", "0000000000040000"},
      {"三百两", "0000000000000300"},
      {"一千两", "0000000000001000"},
      {"两万两", "0000000000020000"},
      {"三亿两", "0000000300000000"},
      {"三百 两", "0000000000000300"},
      {"四万万两", "0000000400000000"},
      {"三百二", "0000000000000320"},
      {"一千二", "0000000000001200"},
      {"两万二", "0000000000022000"},
      {"三亿二", "0000000320000000"},
      {"两万两千", "0000000000022000"},
      {"两千两百", "0000000000002200"},
      {"两两", "0000000000000002"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChineseSentence::chineseNumeralToArabic(c.text), c.digits) << c.text;
  }
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits4("三百两"), "0300");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits4("三百二"), "0320");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits8("两万两"), "00020000");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits8("两万二"), "00022000");
}

TEST(ChineseNumeralToArabic, IgnoresWhiteSpaceInsideTheRun) {
  EXPECT_EQ(ChineseSentence::chineseNumeralToArabic("三 百"), "0000000000000300");
  EXPECT_EQ(ChineseSentence::chineseNumeralToArabic("三\t百  二十"), "0000000000000320");
  EXPECT_EQ(ChineseSentence::chineseNumeralToArabic("   "), "0000000000000000");
}

TEST(ChineseNumeralToArabic, KeepsToCharacterBoundaries) {
  // 万 is the bytes CD F2; here they straddle two characters and must not be read
  // as a magnitude.
  const std::string straddle = "\xB0\xCD\xF2\xB0";
  EXPECT_EQ(ChineseSentence::chineseNumeralToArabic(straddle), "0000000000000000");
  // An odd last byte is a character of its own and matches nothing.
  EXPECT_EQ(ChineseSentence::chineseNumeralToArabic(std::string("五") + "\xD2"), "0000000000000000");
  EXPECT_EQ(ChineseSentence::chineseNumeralToArabic("\xD2"), "0000000000000000");
}

TEST(ChineseNumeralToDigits, FixedWidths) {
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits4("三百二十五"), "0325");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits4(""), "0000");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits4("九千九百九十九"), "9999");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits8("五百万"), "05000000");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits8("三万零五十"), "00030050");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits8("两万三"), "00023000");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits8("十二"), "00000012");
  EXPECT_EQ(ChineseSentence::chineseNumeralToDigits8(""), "00000000");
}

TEST(ChineseDigitsToArabic, ReadsDigitByDigit) {
  const std::vector<Case> cases = {
      {"二零零八", "2008"},
      {"一九九八年", "1998"},
      {"两", "2"},
      {"两零零八", "2008"},
      {"", ""},
      {"三一四一五九", "314159"},
      {"零", "0"},
      {"十", ""},
      {std::string("五") + "\xD2", "5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChineseSentence::chineseDigitsToArabic(c.text), c.digits) << c.text;
  }
}

// Digits written as a Chinese numeral, and read back to the same value; what
// is no integer of four digits at most gives nothing.
TEST(ArabicToChineseNumeral, WritesAndReadsBack) {
  const std::vector<Case> cases = {
      {"0", "零"},         {"2", "二"},           {"10", "十"},         {"16", "十六"},
      {"105", "一百零五"}, {"110", "一百一十"},   {"1005", "一千零五"}, {"2020", "二千零二十"},
      {"0016", "十六"},    {"9999", "九千九百九十九"}, {"12345", ""}, {"", ""}, {"1a", ""}, {"3.5", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChineseSentence::arabicToChineseNumeral(c.text), c.digits) << c.text;
    if (c.digits.empty()) continue;
    const std::string back = ChineseSentence::chineseNumeralToArabic(c.digits);
    EXPECT_EQ(back.substr(back.find_first_not_of('0') == std::string::npos ? back.size() - 1
                                                                            : back.find_first_not_of('0')),
              c.text.substr(std::min(c.text.find_first_not_of('0'), c.text.size() - 1)))
        << c.text;
  }
}

}  // namespace
}  // namespace vestrilo
