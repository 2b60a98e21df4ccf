// The Chinese-to-English translators, one table per translator, and the
// output line that frames their results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chinese/ChineseSentence.h"
#include "chinese/ChineseStyle.h"
#include "core/SentenceOutput.h"
#include "lexicon/ChineseToEnglishMaps.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

struct Case {
  const char* in;
  const char* out;
};

using Translator = std::string (*)(std::string);

void expectAll(Translator translate, std::initializer_list<Case> cases) {
  for (const Case& c : cases) EXPECT_EQ(translate(c.in), c.out) << "input: " << c.in;
}

TEST(EnglishNumberWords, TwoDigitMapFollowsItsRule) {
  const std::string_view text = twoDigitWordMap.text();
  EXPECT_EQ(text.substr(0, 18), "<01>(one)<02>(two)");
  EXPECT_FALSE(twoDigitWordMap.hasKey("00"));
  const Case cases[] = {{"01", "one"},         {"09", "nine"},         {"10", "ten"},
                        {"13", "thirteen"},    {"19", "nineteen"},     {"20", "twenty"},
                        {"21", "twenty-one"},  {"40", "forty"},        {"45", "forty-five"},
                        {"70", "seventy"},     {"88", "eighty-eight"}, {"99", "ninety-nine"}};
  for (const Case& c : cases) EXPECT_EQ(twoDigitWordMap.lookup(c.in), c.out) << c.in;
  std::size_t entries = 0;
  for (char c : text) entries += c == '<';
  EXPECT_EQ(entries, 99u);
}

TEST(EnglishNumberWords, HundredsToEnglish) {
  expectAll(ChineseSentence::hundredsToEnglish, {
      {"000", ""}, {"005", "five"}, {"020", "twenty"}, {"100", "one hundred"},
      {"105", "one hundred and five"}, {"110", "one hundred and ten"}, {"999", "nine hundred and ninety-nine"},
      // A short group reads as if padded; nothing reads outside the text.
      {"7", "seven"}, {"", ""},
  });
}

TEST(EnglishNumberWords, DigitsToEnglish) {
  expectAll(ChineseSentence::digitsToEnglish, {
      {"0000000000000020", "twenty"}, {"05", "five"}, {"100", "one hundred"},
      {"105", "one hundred and five"}, {"110", "one hundred and ten"},
      {"1000", "one thousand"}, {"1001", "one thousand one"}, {"1100", "one thousand one hundred"},
      {"1000000", "one million"}, {"2000000001", "two billion one"},
      {"1234567", "one million two hundred and thirty-four thousand five hundred and sixty-seven"},
      {"0000000305000000", "three hundred and five million"},
      {"9999999999999999",
       "nine quadrillion nine hundred and ninety-nine trillion nine hundred and ninety-nine billion nine "
       "hundred and ninety-nine million nine hundred and ninety-nine thousand nine hundred and ninety-nine"},
      {"0", ""}, {"000", ""}, {"", ""},
      // Leading zero groups beyond the largest scale word are harmless...
      {"0000000000000000000000012", "twelve"},
      // ...but a number that needs a scale word past the quadrillions has no rendering.
      {"1000000000000000000", ""},
      // Anything but digits has no words.
      {"12a", ""}, {"1刻", ""}, {"3.5", ""},
  });
}

TEST(TranslateNumber, NumeralsWithMagnitudes) {
  expectAll(ChineseSentence::translateNumber, {
      {"二十五", "twenty-five"}, {"三百零五", "three hundred and five"}, {"两千零八", "two thousand eight"},
      {"十万", "one hundred thousand"}, {"三亿零五百万", "three hundred and five million"},
      {"一", "one"}, {"十", "ten"}, {"零", "zero"}, {"半", "half"}, {"", ""},
      // 万万 is 亿; 两 after 百, 千, 万 or 亿 at the end is the measure word.
      {"四万万", "four hundred million"}, {"十万万", "one billion"}, {"三百两", "three hundred"},
      {"两万两", "twenty thousand"}, {"三百二", "three hundred and twenty"}, {"一千二", "one thousand two hundred"},
  });
}

TEST(TranslateNumber, ApproximatePairs) {
  expectAll(ChineseSentence::translateNumber, {
      {"三四", "three or four"}, {"三四百", "three or four hundred"},
      {"五六十万", "five or six hundred thousand"}, {"三四千万", "thirty or forty million"},
      {"两三", "two or three"}, {"七八十", "seventy or eighty"}, {"五六万", "fifty or sixty thousand"},
      {"十七八", "seventeen or eighteen"}, {"十二三", "twelve or thirteen"},
      {"三四百两", "three or four hundred"}, {"三四万万", "three or four hundred million"},
      // Five characters are never a pair.
      {"三四百五十", "four hundred and fifty"},
  });
}

TEST(TranslateFigure, DigitByDigitAndPairs) {
  expectAll(ChineseSentence::translateFigure, {
      {"二零零八", "two zero zero eight"}, {"一九九八", "one nine nine eight"}, {"五", "five"},
      {"一半", "half"}, {"", ""},
      // Neighbouring digits are a pair; the map's layout decides which are neighbours.
      {"三四", "three or four"}, {"两三", "two or three"}, {"一两", "one or two"}, {"八九", "eight or nine"},
      {"二零", "two or zero"}, {"二三", "two three"}, {"零一", "zero one"}, {"一二", "one two"},
      {"四三", "four three"}, {"九九", "nine nine"},
      // Three characters are never a pair.
      {"三四五", "three four five"},
      // A character without a digit word is skipped, and leaves no dangling "or".
      {"三半", "three"}, {"半三", " three"},
  });
}

TEST(TranslateOrdinal, NumeralsTakeTheOrdinalOfTheirLastWord) {
  expectAll(ChineseSentence::translateOrdinal, {
      {"第三", "third"}, {"第二十一", "twenty-first"}, {"第一百", "one hundredth"}, {"第十", "tenth"},
      {"第四十", "fortieth"}, {"第一千零一", "one thousand first"}, {"第十五", "fifteenth"},
      {"第二十", "twentieth"}, {"第一百零八", "one hundred and eighth"}, {"第三万", "thirty thousandth"},
      {"第一亿", "one hundred millionth"}, {"第四万万", "four hundred millionth"},
      // No ordinal form: no rendering.
      {"第零", ""}, {"第半", ""}, {"第", ""}, {"第一万亿", ""},
  });
}

TEST(TranslateOrdinal, DigitsTakeTheEnglishSuffix) {
  expectAll(ChineseSentence::translateOrdinal, {
      {"第1", "1st"}, {"第2", "2nd"}, {"第3", "3rd"}, {"第4", "4th"}, {"第11", "11th"}, {"第12", "12th"},
      {"第13", "13th"}, {"第21", "21st"}, {"第22", "22nd"}, {"第23", "23rd"}, {"第100", "100th"},
      {"第101", "101st"}, {"第111", "111th"}, {"第112", "112th"}, {"第1,000", "1,000th"},
      {"第5日6", ""}, {"第25%", ""},
  });
}

TEST(TranslateWeek, DayAfterThePrefix) {
  expectAll(ChineseSentence::translateWeek, {
      {"星期三", "Wednesday"}, {"周日", "Sunday"}, {"星期天", "Sunday"}, {"星期日", "Sunday"},
      {"周一", "Monday"}, {"星期六", "Saturday"}, {"每周五", "every Friday"}, {"每星期一", "every Monday"},
      {"每周日", "every Sunday"}, {"每星期天", "every Sunday"},
      // No day, or no such day: no rendering, not even "every ".
      {"星期", ""}, {"每周", ""}, {"周八", ""}, {"星期一二", ""}, {"三", ""},
  });
}

TEST(ConvertPunctuation, OnlyOneKindIsConverted) {
  expectAll(ChineseSentence::convertPunctuation, {
      {"12，345", "12,345"}, {"1，234，567", "1,234,567"}, {"10：30", "10:30"}, {"1，2：3", "1,2：3"},
      {"3.14", "3.14"}, {"", ""},
  });
}

TEST(TranslateUnitNumber, DigitsPlacedUnderTheirMagnitude) {
  expectAll(ChineseSentence::translateUnitNumber, {
      {"3万", "thirty thousand"}, {"35万", "three hundred and fifty thousand"},
      {"3.5万", "thirty-five thousand"}, {"1.25亿", "one hundred and twenty-five million"},
      {"0.5万", "five thousand"}, {"3千万", "thirty million"}, {"3千", "three thousand"},
      {"3千5百万", "thirty-five million"}, {"3千5百亿", "three hundred and fifty billion"},
      {"5万3千亿", "five trillion three hundred billion"}, {"5万3千", "fifty-three thousand"},
      {"35亿5千万", "three billion five hundred and fifty million"}, {"5万亿", "five trillion"},
      {"百万", "one million"}, {"3万5", "thirty thousand"},
      {"10万万", "one billion"}, {"4万万", "four hundred million"}, {"1.5万万", "one hundred and fifty million"},
  });
}

TEST(TranslateUnitNumber, SeparatorsAndRanges) {
  expectAll(ChineseSentence::translateUnitNumber, {
      {"1，200万", "twelve million"}, {"1,200万", "twelve million"}, {"1,234,567亿", "one hundred and twenty-three trillion four hundred and fifty-six billion seven hundred million"},
      {"3-5万", "thirty thousand to fifty thousand"},
      {"1.5-2亿", "one hundred and fifty million to two hundred million"},
      {"3-5", ""}, {"3-", ""},
  });
}

TEST(TranslateUnitNumber, UnreadableNumbersHaveNoRendering) {
  expectAll(ChineseSentence::translateUnitNumber, {
      {"35", ""}, {"", ""}, {"0万", ""},
      {"12345678901234567万", ""},   // does not fit the sixteen-digit layout
      {"1.23456万", ""},            // fraction digits below the units
      {"5%万", ""}, {"1.2.3万", ""}, {"5万3.5千", ""},
  });
}

TEST(TranslateDate, DayMonthYear) {
  expectAll(ChineseSentence::translateDate, {
      {"二零零八年八月八日", "eighth August 2008"}, {"2008年8月8日", "8th August 2008"},
      {"八月十五日", "fifteenth August"}, {"十二月三十一日", "thirty-first December"},
      {"五月十五", "fifteenth May"}, {"五月二十", "twentieth May"},
      {"一九九八年十二月", " December 1998"}, {"八月", " August"}, {"三月份", " March"}, {"二月", " February"},
      {"2月", " February"}, {"十一月", " November"}, {"12月", " December"},
      {"2008年", "  2008"}, {"公元前221年", "  221 B.C."}, {"公元2008年", "  2008 A.D."},
      {"8月1日", "1st August"}, {"8月22日", "22nd August"}, {"11月11日", "11th November"}, {"5号", "5th "},
      // A day without 日 or 号 is read only with 十.
      {"五月五", " May"},
      // Digit-by-digit years read 两 as two.
      {"两零零八年", "  2008"},
  });
}

TEST(TranslateDate, MonthsWrittenWithFen) {
  expectAll(ChineseSentence::translateDate, {
      // The day follows 月份 as it follows 月.
      {"八月份11日", "11th August"}, {"2004年8月份11日", "11th August 2004"},
      {"一九九二年八月份11日", "11th August 1992"}, {"四月份9号", "9th April"}, {"八月份十五日", "fifteenth August"},
      {"八月份十五", "fifteenth August"}, {"8月份5号6号", "5th and 6th August"},
      // Without a day.
      {"三月份", " March"}, {"2004年8月份", " August 2004"},
  });
}

TEST(TranslateDate, ArabicMonthsAndDaysLoseLeadingZeros) {
  expectAll(ChineseSentence::translateDate, {
      {"2005年03月03日", "3rd March 2005"}, {"3月03日", "3rd March"}, {"2024年01月", " January 2024"},
      {"2005年3月3日", "3rd March 2005"}, {"012月", " December"}, {"8月05日06日", "5th and 6th August"},
      {"05号", "5th "},
      // A lone 0 stays 0, and 00 is 0.
      {"3月0日", "0th March"}, {"3月00日", "0th March"}, {"0月", ""}, {"00月", ""},
      // The year keeps its digits.
      {"0800年", "  0800"},
  });
}

TEST(TranslateDate, ListsOfDays) {
  expectAll(ChineseSentence::translateDate, {
      {"8月5号6号7号", "5th , 6th and 7th August"}, {"8月5日6日", "5th and 6th August"},
      {"8月5日6日7日8日", "5th , 6th , 7th and 8th August"},
      // Days before both markers: the 号 days are the ones written.
      {"8月5日6号", "6th August"},
  });
}

TEST(TranslateDate, NoMonthOrDayWithoutItsWords) {
  expectAll(ChineseSentence::translateDate, {
      {"13月", ""}, {"0月", ""}, {"8月零日", ""},
      // Without a month the day starts after the year, never inside it.
      {"2008年8日", "8th  2008"},
      // A year is ASCII digits or Chinese digits, nothing else.
      {"5月2008年", ""}, {"十年", ""}, {"半年", ""},
      {"", ""},
  });
}

TEST(TranslateClock, WholeHours) {
  expectAll(ChineseSentence::translateClock, {
      {"三点", "three o'clock"}, {"三点钟", "three o'clock"}, {"十二时", "twelve o'clock"},
      {"3点", "three o'clock"}, {"12点钟", "twelve o'clock"}, {"零点", "zero o'clock"}, {"0点", "zero o'clock"},
  });
}

TEST(TranslateClock, HoursAndMinutes) {
  expectAll(ChineseSentence::translateClock, {
      {"三点二十分", "three twenty"}, {"十二时三十分", "twelve thirty"}, {"3点20分", "three twenty"},
      {"3点05分", "three five"}, {"3点15", "three fifteen"}, {"三点二十", "three twenty"},
      {"三点四十五", "three forty-five"}, {"三点五", "three"}, {"三点十分", "three ten"},
      {"三点零五分", "five past three"}, {"三点零五", "five past three"}, {"十点零分", "zero past ten"},
      {"八点零五分", "five past eight"},
      {"三点半", "three thirty"}, {"三点一刻", "three fifteen"}, {"三点三刻", "three forty-five"},
      {"十二时半", "twelve thirty"},
  });
}

TEST(TranslateClock, NoHourNoTime) {
  expectAll(ChineseSentence::translateClock, {{"今天", ""}, {"二十分", ""}, {"点半", ""}, {"", ""}});
}

TEST(TranslateFractional, PercentagesAndDecimals) {
  expectAll(ChineseSentence::translateFractional, {
      {"百分之五十", "50%"}, {"百分之百", "one hundred percent"}, {"百分之三点五", "3.5%"},
      {"百分之零点五", "0.5%"}, {"百分之一百二十", "120%"}, {"百分之零", "0%"},
      {"三点五", "3.5"}, {"三点一四", "3.14"}, {"零点五", "0.5"}, {"二十五点五", "25.5"}, {"三点两五", "3.25"},
      {"三点五万", "thirty-five thousand"}, {"一点二五亿", "one hundred and twenty-five million"},
      {"三点五万万", "three hundred and fifty million"}, {"百分之三百两", "300%"},
      {"三点", ""}, {"三分之一点五", ""},
  });
}

TEST(TranslateFractional, Fractions) {
  expectAll(ChineseSentence::translateFractional, {
      {"二分之一", "one half"}, {"四分之一", "one quarter"}, {"四分之三", "three quarters"},
      {"四分之二", "two fourths"}, {"三分之一", "one third"}, {"三分之二", "two thirds"},
      {"五分之四", "four fifths"}, {"二十分之一", "one twentieth"}, {"十分之一", "one tenth"},
      {"十分之三", "three tenths"}, {"千分之五", "five thousandths"}, {"一百分之三", "three hundredths"},
      {"万分之一", "one ten thousandth"}, {"万万分之七", "seven hundred millionths"},
      {"万分之七", "seven ten thousandths"},
      {"三十分之十一", "eleven over thirty"}, {"三百分之一", "one three hundredth"},
      {"零分之一", ""}, {"三分之", ""},
  });
}

TEST(TranslateFractional, ProportionsInTenths) {
  expectAll(ChineseSentence::translateFractional, {
      {"三成", "thirty percent"}, {"3成", "30%"}, {"七八成", "seventy or eighty percent"},
      {"七成五", "seventy percent"}, {"成", ""}, {"今天", ""},
      // The whole is ten tenths, and half a tenth is five percent.
      {"十成", "one hundred percent"}, {"半成", "five percent"}, {"一成", "ten percent"},
  });
}

// A sentence with hand-made records, so the output line is tested apart from
// recognition.
ChineseSentence sentenceWith(std::string line, std::vector<ChineseEntity> records) {
  ChineseSentence s(std::move(line));
  for (const ChineseEntity& e : records) s.entities.push_back(e);
  return s;
}

class TranslationLine : public ::testing::Test {
 protected:
  EmittedPairs registry;  // the run's registry, fresh for each test
};

TEST_F(TranslationLine, EveryTranslatedKindGoesThroughItsTranslator) {
  using K = ChineseEntityKind;
  const ChineseSentence s("");
  const struct {
    K kind;
    bool translated;
  } kinds[] = {{K::Plain, false}, {K::Latin, false}, {K::Number, true}, {K::Figure, true},
               {K::Ordinal, true}, {K::Week, true},  {K::Date, true},   {K::Clock, true},
               {K::Arabic, true},  {K::ArabicWithUnit, true}, {K::Fractional, true}};
  for (const auto& k : kinds) EXPECT_EQ(chineseStyle.renderings.find(k.kind) != nullptr, k.translated);

  const struct {
    const char* text;
    K kind;
    const char* translation;
  } cases[] = {
      {"三 百", K::Number, "three hundred"},      {"一\t九 九八", K::Figure, "one nine nine eight"},
      {"第 三", K::Ordinal, "third"},             {"星期 三", K::Week, "Wednesday"},
      {"八月 八日", K::Date, "eighth August"},     {"三点 半", K::Clock, "three thirty"},
      {"3 . 14", K::Arabic, "3 . 14"},            {"5万 3千", K::ArabicWithUnit, "fifty-three thousand"},
      {"三 分之 一", K::Fractional, "one third"}, {"三", K::Plain, ""}, {"MP3", K::Latin, ""},
  };
  for (const auto& c : cases) {
    const ChineseSentence one = sentenceWith(c.text, {{0, static_cast<std::int32_t>(std::string(c.text).size()), c.kind}});
    EXPECT_EQ(one.translationOf(one.entities[0]), c.translation) << c.text;
  }
}

TEST_F(TranslationLine, PairsKeepTheSourceBytes) {
  // 会议 三 百 人: the Number record covers the inner space.
  const std::string line = "会议 三 百 人 ABC 3.14";
  const ChineseSentence s = sentenceWith(line, {{0, 4, ChineseEntityKind::Plain},
                                                {5, 5, ChineseEntityKind::Number},
                                                {11, 2, ChineseEntityKind::Plain},
                                                {14, 3, ChineseEntityKind::Latin},
                                                {18, 4, ChineseEntityKind::Arabic}});
  std::vector<Pair> pairs;
  translationPairs(s, pairs);
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].source, "三 百");
  EXPECT_EQ(pairs[0].translation, "three hundred");
  EXPECT_FALSE(pairs[0].candidate);
  EXPECT_EQ(pairs[1].source, "3.14");
  EXPECT_EQ(pairs[1].translation, "3.14");
  EXPECT_EQ(translationLine<Pair>(s, registry), "三 百 ||| three hundred\n3.14 ||| 3.14\n");
}

TEST_F(TranslationLine, RepeatsAreWrittenOnce) {
  const std::string line = "三点 和 三点 和 3点";
  const ChineseSentence s = sentenceWith(line, {{0, 4, ChineseEntityKind::Clock},
                                                {5, 2, ChineseEntityKind::Plain},
                                                {8, 4, ChineseEntityKind::Clock},
                                                {13, 2, ChineseEntityKind::Plain},
                                                {16, 3, ChineseEntityKind::Clock}});
  EXPECT_EQ(translationLine<Pair>(s, registry), "三点 ||| three o'clock\n3点 ||| three o'clock\n");
  // A later sentence with the same pairs writes nothing.
  EXPECT_EQ(translationLine<Pair>(s, registry), "");
}

TEST_F(TranslationLine, EmptyTranslationsAreNeitherWrittenNorRegistered) {
  const std::string line = "13月 八月";
  const ChineseSentence s = sentenceWith(line, {{0, 4, ChineseEntityKind::Date}, {5, 4, ChineseEntityKind::Date}});
  std::vector<Pair> pairs;
  translationPairs(s, pairs);
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].translation, "");
  EXPECT_EQ(translationLine<Pair>(s, registry), "八月 |||  August\n");
  EXPECT_EQ(registry.size(), 1u);
}

TEST_F(TranslationLine, RecordsPastTheLineAreClamped) {
  const ChineseSentence s = sentenceWith("三", {{0, 40, ChineseEntityKind::Number}, {30, 5, ChineseEntityKind::Figure}});
  EXPECT_EQ(translationLine<Pair>(s, registry), "三 ||| three\n");
}

}  // namespace
}  // namespace vestrilo
