// The English-to-Chinese translators, one table per translator, and the
// per-kind rendering of a sentence's records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SentenceOutput.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

struct Case {
  const char* in;
  const char* out;
};

using Translator = std::string (*)(std::string);

void expectAll(Translator translate, const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(translate(c.in), c.out) << "input: \"" << c.in << "\"";
}

TEST(ChineseNumeralWriter, FourDigits) {
  expectAll(EnglishSentence::fourDigitsToChinese,
            {{"0000", "零"}, {"0001", "零一"}, {"0010", "零十"}, {"0011", "零十一"}, {"0100", "零一百"},
             {"0101", "零一百零一"}, {"0110", "零一百一十"}, {"1000", "一千"}, {"1001", "一千零一"},
             {"1010", "一千零一十"}, {"2008", "二千零八"}, {"9999", "九千九百九十九"}, {"1100", "一千一百"},
             {"0210", "零二百一十"}});
}

TEST(ChineseNumeralWriter, EightDigits) {
  expectAll(EnglishSentence::eightDigitsToChinese,
            {{"00000000", "零"}, {"00010000", "零一万零"}, {"12340567", "一千二百三十四万零五百六十七"},
             {"10000001", "一千万零一"}, {"12340000", "一千二百三十四万零"}, {"00000015", "零十五"}});
}

TEST(ChineseNumeralWriter, SixteenDigits) {
  expectAll(EnglishSentence::sixteenDigitsToChinese,
            {{"0000000000000000", "零"},
             {"0000000000000015", "十五"},
             {"0000000000000100", "一百"},
             {"0000000000010000", "一万"},
             {"0000000000100000", "十万"},
             {"0000000000101000", "十万一千"},
             {"0000000002500000", "二百五十万"},
             {"0000000100000000", "一亿"},
             {"0000000100000001", "一亿零一"},
             {"0000000100010000", "一亿零一万"},
             {"0000100000000000", "一千亿"},
             {"0001000000000000", "一万亿"},
             {"1000000000000001", "一千万亿零一"},
             {"0000000000000010", "十"},
             {"0000000000000020", "二十"},
             {"9999999999999999", "九千九百九十九万九千九百九十九亿九千九百九十九万九千九百九十九"}});
}

TEST(ChineseNumeralWriter, InputsOfTheWrongShapeHaveNoNumeral) {
  for (Translator writer : {EnglishSentence::fourDigitsToChinese, EnglishSentence::eightDigitsToChinese,
                            EnglishSentence::sixteenDigitsToChinese}) {
    for (const char* bad : {"", "1", "12a4", "0000000000000000000", "00x0", "12345678901234a6", " 123"})
      EXPECT_EQ(writer(bad), "") << bad;
  }
}

TEST(TranslateNumber, IntegersAndDecimals) {
  expectAll(EnglishSentence::translateNumber,
            {{"twenty-five", "二十五"},
             {"twenty - five", "二十五"},
             {"one hundred and five", "一百零五"},
             {"nineteen hundred", "一千九百"},
             {"ten thousand", "一万"},
             {"two point five", "2.5"},
             {"twenty point five", "20.5"},
             {"zero point five", "0.5"},
             {"three point one four", "3.14"},
             {"two point five million", "二百五十万"},
             {"one point two billion", "十二亿"},
             {"two point five hundred", "二百五十"},
             {"", ""},
             {"zero", "零"},
             {"five", "五"},
             {"ten", "十"},
             {"twenty", "二十"},
             {"a hundred", "一百"},
             {"two and a half million", "二百五十万"},
             {"one million two hundred thousand", "一百二十万"},
             {"three point zero five", "3.05"},
             {"three point one four million", "三百一十四万"}});
}

TEST(TranslateNumber, TextThatIsNoNumberHasNoRendering) {
  // Words outside the number words would otherwise read as zero.
  expectAll(EnglishSentence::translateNumber,
            {{"half", ""}, {"10:30", ""}, {"o", ""}, {"seven fifteen", ""}, {"point five", ""},
             {"two point", ""}, {"two point half", ""}, {"point", ""}});
}

TEST(TranslateArabicMagnitude, DigitsBeforeAScaleWord) {
  expectAll(EnglishSentence::translateArabicMagnitude,
            {{"12 million", "一千二百万"},
             {"2.5 million", "二百五十万"},
             {"1,200 million", "十二亿"},
             {"2.55 thousand", "二千五百五十"},
             {"15 thousand", "一万五千"},
             {"100 thousand", "十万"},
             {"1.5 billion", "十五亿"},
             {"5 hundred", "五百"},
             {"0.5 million", "五十万"},
             {".5 million", "五十万"}});
}

TEST(TranslateArabicMagnitude, NumbersThatDoNotFitHaveNoRendering) {
  expectAll(EnglishSentence::translateArabicMagnitude,
            {{"1,200,000 million", ""},
             {"12345678 billion", ""},
             {"1.234 hundred", ""},
             {"5 dozen", ""},
             {"million", ""},
             {" million", ""},
             {"1.2.3 million", ""}});
}

TEST(TranslateFigure, DigitWordsAndRanges) {
  expectAll(EnglishSentence::translateFigure,
            {{"one two three", "一 二 三"},
             {"nine one one", "九 一 一"},
             {"double five", "五 五"},
             {"triple seven", "七 七 七"},
             {"double o seven", "零 零 七"},
             {"five o two", "五 零 二"},
             {"o", "零"},
             {"five-five-five", "五 五 五"},
             {"twenty-five", "二十五"},
             {"ten to twelve", "十 到 十二"},
             {"five to six", "五 到 六"},
             {"ten eleven twelve", "十 十一 十二"},
             {"three point five to four", "3.5 到 四"},
             {"twenty - one to thirty", "二十一 到 三十"},
             // Each repeat is expanded, however short the word it repeats.
             {"double o double five", "零 零 五 五"},
             {"double seven triple five", "七 七 五 五 五"}});
}

TEST(TranslateFigure, FiguresWithoutANumeralHaveNoRendering) {
  expectAll(EnglishSentence::translateFigure,
            {{"double", ""}, {"five double", ""}, {"one two to three four", ""}, {"one foo three", ""}, {"", ""}});
}

TEST(TranslateOrdinal, WordsAndDigits) {
  expectAll(EnglishSentence::translateOrdinal,
            {{"third", "第三"},
             {"the first", "第一"},
             {"twenty-first", "第二十一"},
             {"one hundredth", "第一百"},
             {"one hundred and twenty-first", "第一百二十一"},
             {"thousandth", "第一千"},
             {"21st", "第21"},
             {"3rd", "第3"},
             {"twenty - first", "第二十一"},
             {"one hundred first", "第一百零一"},
             {"hundredth", "第一百"},
             {"1th", "第1"}});
}

TEST(TranslateOrdinal, TextsWithoutAnOrdinalHaveNoRendering) {
  expectAll(EnglishSentence::translateOrdinal,
            {{"quarter", ""}, {"half", ""}, {"21", ""}, {"2", ""}, {"", ""}, {"the", ""}, {"twenty-", ""}});
}

TEST(TranslateWeek, WeekdayNames) {
  expectAll(EnglishSentence::translateWeek,
            {{"monday", "星期一"}, {"tuesday", "星期二"}, {"wednesday", "星期三"}, {"thursday", "星期四"},
             {"friday", "星期五"}, {"saturday", "星期六"}, {"sunday", "星期日"}, {"someday", ""}, {"", ""},
             {"Monday", ""}, {"mon", ""}});
}

TEST(TranslateMonthDate, MonthLedDates) {
  expectAll(EnglishSentence::translateMonthDate,
            {{"may 5, 2004", "2004年5月5日"},
             {"may 5 , 2004", "2004年5月5日"},
             {"march 5th, 2008", "2008年3月5日"},
             {"may 5", "5月5日"},
             {"jan . 5", "1月5日"},
             {"fifth of may", "5月5日"},
             {"may", "5月"},
             {"may 2004", "2004年5月"},
             {"may 35", "35年5月"},
             {"2004", "2004年"},
             {"500 b.c.", "公元前500年"},
             {"may 5, 2004 a.d.", "公元2004年5月5日"},
             {"may 12345", "12345年5月"},
             {"2004 ad", "公元2004年"},
             {"500 bc", "公元前500年"},
             {"5th of may", "5月5日"},
             {"twenty-first of march", "3月21日"},
             {"may first", "5月1日"},
             {"may, 2004", "2004年5月"},
             {"sept. 5", "9月5日"},
             {"december 31st", "12月31日"}});
}

TEST(TranslateMonthDate, YearsBeforeAnEra) {
  expectAll(EnglishSentence::translateMonthDate,
            {{"53 b.c.", "公元前53年"},
             {"4 b.c.", "公元前4年"},
             {"63 bc", "公元前63年"},
             {"5 a.d.", "公元5年"},
             {"99 ad", "公元99年"},
             {"500 b.c.", "公元前500年"},
             {"1941 b.c.", "公元前1941年"},
             {"12345 b.c.", ""},
             {"5a b.c.", ""}});
}

TEST(TranslateMonthDate, AbbreviationsWithoutTheirDotAndDaysInWords) {
  expectAll(EnglishSentence::translateMonthDate,
            {{"jan 5", "1月5日"}, {"sept 5", "9月5日"}, {"jan . 2004", "2004年1月"}, {"jan . five", "1月5日"},
             {"jan . twenty-one", "1月21日"}, {"dec 5", "12月5日"}, {"oct 1985", "1985年10月"},
             {"oct, 1985", "1985年10月"}, {"dec 5th", "12月5日"}, {"fifth of dec", "12月5日"},
             // Alone, a month is a name or carries its dot: a dotless abbreviation is
             // more often a word or a name (DEC, Jan).
             {"dec.", "12月"}, {"jan.", "1月"}, {"sept.", "9月"}, {"may", "5月"}, {"june", "6月"},
             {"dec", ""}, {"jan", ""}, {"sept", ""}, {"oct b.c.", ""},
             {"jul 29", "7月29日"}, {"sep 19, 2014", "2014年9月19日"}, {"jun 5", "6月5日"},
             {"sep . 1984", "1984年9月"}, {"jun.", "6月"}, {"jun", ""}, {"jul", ""}, {"sep", ""}});
}

TEST(TranslateMonthDate, DatesWithoutAMonthOrADayHaveNoRendering) {
  expectAll(EnglishSentence::translateMonthDate,
            {{"", ""}, {"someday", ""}, {"may hundredth", ""}, {"jan . forty", ""}, {"b.c.", ""}, {" a.d.", ""}});
}

TEST(TranslateDayDate, DayLedDates) {
  expectAll(EnglishSentence::translateDayDate,
            {{"5 may 2004", "2004年5月5日"},
             {"5th may", "5月5日"},
             {"first may 2004 a.d.", "公元2004年5月1日"},
             {"5 may, 2004", "2004年5月5日"},
             {"5 may , 2004", "2004年5月5日"},
             {"31 december", "12月31日"},
             {"5 jan", "1月5日"},
             {"13 jul 2010", "2010年7月13日"},
             {"22nd june 1941 b.c.", "公元前1941年6月22日"},
             // Only digits make a year.
             {"5th may this", "5月5日"}});
}

TEST(TranslateDayDate, DatesWithoutADayOrAMonthHaveNoRendering) {
  expectAll(EnglishSentence::translateDayDate,
            {{"", ""}, {"5", ""}, {"5 someday", ""}, {"hundredth may", ""}, {"a.d.", ""}});
}

TEST(TranslateFraction, FractionsAndPercentages) {
  expectAll(EnglishSentence::translateFraction,
            {{"5 percent", "5%"},
             {"2.5 percent", "2.5%"},
             {"five percent", "百分之五"},
             {"fifty percent", "百分之五十"},
             {"three hundred percent", "百分之三百"},
             {"two point five percent", "2.5%"},
             {"one third", "三分之一"},
             {"one - third", "三分之一"},
             {"one second", "二分之一"},
             {"two thirds", "三分之二"},
             {"three fifths", "五分之三"},
             {"three hundredths", "一百分之三"},
             {"one half", ""},
             {"one thirds", ""},
             // Hyphenated numerators.
             {"twenty-three fifths", "五分之二十三"},
             {"twenty - three fifths", "五分之二十三"},
             {"two - thirds", "三分之二"},
             {"one -third", "三分之一"},
             {"twenty-five percent", "百分之二十五"},
             {"1,000 percent", "1,000%"},
             {".5 percent", ".5%"},
             {"two twenty-firsts", "二十一分之二"}});
}

TEST(TranslateFraction, TextsOfNoFormHaveNoRendering) {
  expectAll(EnglishSentence::translateFraction,
            {{"", ""}, {" percent", ""}, {"one", ""}, {"one quarters", ""}, {"two quarters", ""},
             {"two halfs", ""}, {"one th", ""}, {"half percent", ""}});
}

TEST(TranslateClock, PhrasesAndWordTimes) {
  expectAll(EnglishSentence::translateClock,
            {{"ten o'clock", "十点"},
             {"ten o'clock a.m.", "上午十点"},
             {"half past five", "五点 半"},
             {"quarter past six", "六点 一刻"},
             {"quarter after six", "六点 一刻"},
             {"a quarter to five", "五点 差 一刻"},
             {"quarter of five", "五点 差 一刻"},
             {"ten to five", "差 十分 五点"},
             {"twenty past ten", "十点 二十分"},
             {"five after nine p.m.", "下午九点 五分"},
             {"10:30 p.m.", "下午 10:30"},
             {"seven fifteen p.m.", "下午 七点 十五分"},
             {"five thirty", " 五点 三十分"},
             {"seven twenty-five", " 七点 二十五分"},
             {"ten o five", " 十点 零 五分"},
             {"ten a.m.", "上午 十点 "},
             {"ten of five", "差 十分 五点"},
             {"five", " 五点 "},
             {"10:30", " 10:30"},
             {"seven twenty - five", " 七点 二十五分"},
             {"half past ten a.m.", "上午十点 半"},
             {"ten a.m. p.m.", "下午 十点 "},
             // A phrase before o'clock tells the time.
             {"five past ten o'clock", "十点 五分"},
             {"twenty to six o'clock", "差 二十分 六点"},
             {"half past ten o'clock", "十点 半"},
             {"a quarter to ten o'clock p.m.", "下午十点 差 一刻"},
             {"five after ten o'clock", "十点 五分"},
             {"twenty - one o'clock", "二十一点"},
             {"half after five", "五点 半"}});
}

TEST(TranslateClock, TimesWithoutAnHourHaveNoRendering) {
  expectAll(EnglishSentence::translateClock,
            {{"", ""}, {"o'clock", ""}, {"a.m.", ""}, {"half past", ""}, {"ten past 10:30", ""}, {"past five", ""}});
}

// Translators are given any text by the sentence's records; none may read
// outside it or throw, whatever the bytes.
TEST(Translators, OddTextsNeverFault) {
  const std::vector<std::string> texts = {
      "", " ", "-", "--", " - ", ".", ",", "double", "triple ", "double  ", "point", " point ", "o'clock",
      "a.m.", "p.m.a.m.", " percent", "of", " of ", " to ", "to", "the ", "b.c.", " ad", ", ,", " , ",
      "5th", "th", "1", "99999999999999999999", "99999999999999999999 million", "1.2.3.4 billion", ".",
      std::string("\x80", 1), std::string("\xff\x00", 2), "年", "five\tpast\tsix", "a.m. ten", "-5 million",
      "twenty-", "-twenty", "one -", "- third", "may ,", ", 2004", "jan .", ". 5", "of may", "5 of"};
  const Translator all[] = {EnglishSentence::translateNumber,    EnglishSentence::translateArabicMagnitude,
                            EnglishSentence::translateFigure,    EnglishSentence::translateMonthDate,
                            EnglishSentence::translateDayDate,   EnglishSentence::translateClock,
                            EnglishSentence::translateFraction,  EnglishSentence::translateOrdinal,
                            EnglishSentence::translateWeek};
  for (Translator t : all)
    for (const std::string& text : texts) EXPECT_NO_THROW(t(text)) << text;
}

// --- Rendering of records by kind ---------------------------------------------

EnglishSentence sentenceWith(const std::string& line, std::vector<EnglishEntity> records) {
  EnglishSentence s(line);
  for (char& c : s.lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  for (const EnglishEntity& e : records) s.entities.push_back(e);
  return s;
}

TEST(TranslationOf, EachKindGoesToItsTranslator) {
  using K = EnglishEntityKind;
  struct KindCase {
    const char* text;
    K kind;
    const char* translation;
    const char* candidate;
  };
  const KindCase cases[] = {
      {"Third", K::Ordinal, "第三", ""},
      {"Half past Five", K::Clock, "五点 半", ""},
      {"May 5, 2004", K::MonthDate, "2004年5月5日", ""},
      {"Monday", K::Week, "星期一", ""},
      {"Twenty-Five", K::Units, "二十五", ""},
      {"Twenty", K::Tens, "二十", ""},
      {"One Hundred and Five", K::WordNumber, "一百零五", ""},
      {"Nine One One", K::Figure, "九 一 一", ""},
      {"3.5%", K::Arabic, "3.5%", ""},
      {"Two Thirds", K::Fraction, "三分之二", ""},
      {"5 Million", K::ArabicMagnitude, "五百万", ""},
      {"5 May 2004", K::DayDate, "2004年5月5日", ""},
      {"Ten to Five", K::FigureOrClock, "十 到 五", "差 十分 五点"},
      {"Five", K::ClockOrNumber, " 五点 ", "五"},
      {"hundred", K::Magnitude, "", ""},
      {"hello", K::Plain, "", ""},
  };
  for (const KindCase& c : cases) {
    const EnglishSentence s = sentenceWith(c.text, {{0, static_cast<std::int32_t>(std::string(c.text).size()), c.kind}});
    std::string candidate = "stale";
    EXPECT_EQ(s.translationOf(s.entities[0], &candidate), c.translation) << c.text;
    EXPECT_EQ(candidate, c.candidate) << c.text;
    EXPECT_EQ(s.translationOf(s.entities[0]), c.translation) << c.text;
  }
}

TEST(TranslationOf, BlankRunsReachTheTranslatorAsOneSpace) {
  const EnglishSentence s =
      sentenceWith("ten  past \t five at 3.5", {{0, 16, EnglishEntityKind::Clock}, {20, 3, EnglishEntityKind::Arabic}});
  EXPECT_EQ(s.translationOf(s.entities[0]), "五点 十分");
  std::vector<Pair> pairs;
  translationPairs(s, pairs);
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].source, "ten  past \t five");  // the source keeps its bytes
  EXPECT_EQ(pairs[1].source, "3.5");
  EXPECT_EQ(pairs[1].translation, "3.5");
}

TEST(Pairs, CandidateKindsGiveASecondPair) {
  const EnglishSentence s = sentenceWith("ten to five at six and hundred",
                                         {{0, 11, EnglishEntityKind::FigureOrClock},
                                          {12, 2, EnglishEntityKind::Plain},
                                          {15, 3, EnglishEntityKind::ClockOrNumber},
                                          {23, 7, EnglishEntityKind::Magnitude}});
  std::vector<Pair> pairs;
  translationPairs(s, pairs);
  ASSERT_EQ(pairs.size(), 4u);
  const Pair expected[] = {{"ten to five", "十 到 五", false},
                                      {"ten to five", "差 十分 五点", true},
                                      {"six", " 六点 ", false},
                                      {"six", "六", true}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(pairs[i].source, expected[i].source) << i;
    EXPECT_EQ(pairs[i].translation, expected[i].translation) << i;
    EXPECT_EQ(pairs[i].candidate, expected[i].candidate) << i;
  }
}

TEST(Pairs, RecordsOutsideTheLineAreClamped) {
  const EnglishSentence s = sentenceWith("five", {{2, 40, EnglishEntityKind::Units}, {90, 3, EnglishEntityKind::Arabic}});
  std::vector<Pair> pairs;
  translationPairs(s, pairs);
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].source, "ve");
  EXPECT_EQ(pairs[0].translation, "");
  EXPECT_EQ(pairs[1].source, "");
}

}  // namespace
}  // namespace vestrilo
