#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/ChineseToEnglishMaps.h"
#include "lexicon/EnglishNumberMaps.h"
#include "lexicon/EnglishToChineseMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {
namespace {

struct WordCase {
  const LexiconList* list;
  const char* word;
  bool member;
};

TEST(LexiconList, WordTestIsWholeWordMembership) {
  const WordCase cases[] = {
      {&dateUnitList, "月", true},        {&dateUnitList, "月份", true},
      {&dateUnitList, "份", false},       {&dateUnitList, "", false},
      {&weekPrefixList, "星期", true},    {&weekPrefixList, "星", false},
      {&englishMonthList, "may", true},   {&englishMonthList, "ma", false},
      {&englishMonthList, "sept", true},  {&englishMonthList, "september", true},
      {&englishOrdinalList, "thousandth", true}, {&englishOrdinalList, "hundred", false},
      {&englishUnitsList, "nineteen", true},     {&englishUnitsList, "nine", true},
      {&englishTensList, "ten", false},
  };
  for (const WordCase& c : cases)
    EXPECT_EQ(c.list->hasWord(c.word), c.member) << c.list->text() << " / " << c.word;
}

TEST(LexiconList, CharacterTestIsPlainSubstring) {
  EXPECT_TRUE(numeralList.hasText("两"));
  EXPECT_TRUE(unitList.hasText("亿"));
  EXPECT_FALSE(unitList.hasText("零"));
  EXPECT_TRUE(weekdayList.hasText("天"));
  // The empty text is found in every list; callers that need a character must
  // check for one themselves.
  for (const LexiconList* l : {&numeralList, &weekdayList, &englishMonthList, &englishClockList})
    EXPECT_TRUE(l->hasText("")) << l->text();
  // On English lists pieces of words count.
  EXPECT_TRUE(englishOrdinalList.hasText("fif"));
}

TEST(LexiconList, PositionIsTheFirstOccurrence) {
  // "may" stands twice; the first is among the full month names.
  EXPECT_EQ(englishMonthList.wordPosition("may"), englishMonthList.text().find("<may>"));
  EXPECT_LT(englishMonthList.wordPosition("may"), englishMonthList.wordPosition("jan"));
  EXPECT_EQ(englishUnitsList.wordPosition("zero"), 0u);
  EXPECT_EQ(englishUnitsList.wordPosition("eleven"), englishUnitsList.text().find("<eleven>"));
  EXPECT_EQ(englishUnitsList.wordPosition("twenty"), std::string_view::npos);
}

TEST(TaggedMap, LookupTakesTheValueAfterTheFirstKey) {
  constexpr TaggedMap digits{"<零>(0)<一>(1)<二>(2)<两>(2)<三>(3)"};
  constexpr TaggedMap spaced{"<a>(1)   <b>(two words)<c>()<d>"};
  struct Case {
    const TaggedMap* map;
    const char* key;
    const char* value;
  } cases[] = {
      {&digits, "两", "2"},   {&digits, "二", "2"},   {&digits, "零", "0"},
      {&digits, "四", ""},    {&digits, "", ""},      {&spaced, "b", "two words"},
      {&spaced, "a", "1"},    {&spaced, "c", ""},     {&spaced, "d", ""},
      {&spaced, "e", ""},     {&spaced, "(1)", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.map->lookup(c.key), c.value) << c.key;
  EXPECT_TRUE(spaced.hasKey("c"));
  EXPECT_FALSE(spaced.hasKey("e"));
  EXPECT_EQ(digits.value("三"), "3");
}

TEST(TaggedMap, ValueBeforeKeyIsNotTaken) {
  // A ")" that comes before the next "(" gives no value rather than a cut across pairs.
  constexpr TaggedMap broken{"<x>)(1)"};
  EXPECT_EQ(broken.lookup("x"), "");
}

TEST(WordIndex, AnswersLikeTheScanOfTheText) {
  // The compile-time index must give exactly the first position that a scan
  // for "<word>" gives, for words in the text, pieces of them and words that
  // hold brackets (which may match across two entries).
  static constexpr std::string_view texts[] = {
      englishMonthList.text(), englishOrdinalList.text(), dateUnitList.text(), numeralList.text(),
      "<a><b><a><ab>(x)<b>", "<a<b>c><d>e>", "<>(empty)<x>", "no brackets at all", "<unclosed", "",
  };
  static constexpr LexiconList lists[] = {
      LexiconList{texts[0]}, LexiconList{texts[1]}, LexiconList{texts[2]}, LexiconList{texts[3]},
      LexiconList{texts[4]}, LexiconList{texts[5]}, LexiconList{texts[6]}, LexiconList{texts[7]},
      LexiconList{texts[8]}, LexiconList{texts[9]},
  };
  const char* words[] = {"may", "jun", "june", "dec", "december", "first", "thousandth", "th", "", "a", "b",
                         "ab", "c", "a<b", "b>c", "a><b", "b><a", "月", "月份", "份", "零", "半", "x",
                         "empty", "unclosed", "<", ">", "a>", "<a"};
  for (std::size_t i = 0; i < std::size(lists); ++i)
    for (const char* w : words)
      EXPECT_EQ(lists[i].wordPosition(w), findBracketed(texts[i], w)) << texts[i] << " / " << w;
}

TEST(WordIndex, WholeWordTestNeverMatchesAcrossEntries) {
  constexpr LexiconList l{"<at><around><before>"};
  EXPECT_TRUE(l.hasWholeWord("around"));
  EXPECT_FALSE(l.hasWholeWord("at><around"));
  EXPECT_TRUE(l.hasWord("at><around"));  // the plain word test does
  EXPECT_FALSE(l.hasWholeWord("aroun"));
}

TEST(WordIndex, LargeTextsFallBackToTheScan) {
  // More entries than the index holds: answers still come from the scan.
  static const std::string big = [] {
    std::string t;
    for (int i = 0; i < 400; ++i) t += "<w" + std::to_string(i) + ">";
    return t;
  }();
  const LexiconList l{big};
  EXPECT_EQ(l.wordPosition("w399"), big.find("<w399>"));
  EXPECT_EQ(l.wordPosition("w4"), big.find("<w4>"));
  EXPECT_FALSE(l.hasWord("w400"));
}

// The single words that the stages name stand in the lists that the other
// stages read them with: a word spelt one way in one place and another way in
// the other would be read by one rule and written or missed by the next.
TEST(LexiconWords, StandInTheListsThatReadThem) {
  auto join = [](std::string_view a, std::string_view b) { return std::string(a) + std::string(b); };
  const struct {
    const LexiconList* list;
    std::string word;
  } cases[] = {
      {&englishUnitsList, std::string(enWord::zero)},
      {&englishUnitsList, std::string(enWord::one)},
      {&quarterArticleList, std::string(enWord::a)},
      {&hourFractionList, std::string(enWord::half)},
      {&hourQuarterList, std::string(enWord::quarter)},
      {&englishClockList, std::string(oclockWord)},
      {&clockPastWordList, std::string(enWord::past)},
      {&englishMagnitudeList, std::string(englishHundredWord)},
      {&englishMagnitudeList, std::string(englishThousandWord)},
      {&ordinalList, std::string(ordinalMarker)},
      {&weekPrefixList, std::string(weekWord)},
      {&weekPrefixList, std::string(weekWordShort)},
      {&hourUnitList, std::string(decimalPoint)},
      {&monthDayUnitList, join(monthUnit, monthWordSuffix)},
      {&everyWeekList, join(everyMarker, weekWordShort)},
      {&everyWeekList, join(everyMarker, weekWord)},
  };
  for (const auto& c : cases) EXPECT_TRUE(c.list->hasWord(c.word)) << c.list->text() << " / " << c.word;

  // The first two ordinals are the ones that no fraction is counted in.
  EXPECT_EQ(englishOrdinalList.wordPosition(enWord::first), 0u);
  EXPECT_LT(englishOrdinalList.wordPosition(enWord::second), ordinalFractionWordsFrom);
  // The suffixes written after digits are the ones read after digits, and each
  // but the first stands at the index of the last digit it follows.
  for (std::string_view suffix : ordinalSuffixes) EXPECT_TRUE(digitOrdinalSuffixList.hasWord(suffix)) << suffix;
  for (const char* word : {"first", "second", "third"}) {
    const std::size_t digit = static_cast<std::size_t>(dayOrdinalMap.lookup(word)[0] - '0');
    EXPECT_EQ(std::string(word).substr(std::string(word).size() - 2), ordinalSuffixes[digit]) << word;
  }
  // The eras written after a year are the eras read after one.
  for (std::string_view era : {eraBeforeEnglish, eraEnglish}) {
    std::string lower(era);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(eraList.hasWord(lower)) << era;
  }
}

// The minutes said in words after an hour read back as the same number through
// the English number words, and the named fractions are fractions of numerals
// named after their numerator.
TEST(LexiconWords, ClockMinutesAndNamedFractionsAreTheirNumbers) {
  for (const ClockMinuteWord& m : clockMinuteWords) {
    const std::string_view words = twoDigitWordMap.lookup(m.minutes);
    EXPECT_FALSE(words.empty()) << m.minutes;
    EXPECT_EQ(numberWordMap.lookup(words), m.minutes) << words;
  }
  for (const NamedFraction& f : namedFractions) {
    const std::string_view numerator = numeralDigitMap.lookup(f.numerator);
    ASSERT_FALSE(numerator.empty() || numeralDigitMap.lookup(f.denominator).empty()) << f.english;
    EXPECT_EQ(f.english.substr(0, f.english.find(' ')), unitWordMap.lookup(numerator)) << f.english;
  }
  EXPECT_EQ(std::string(halfOfOneWord), std::string(numeralOne) + std::string(numeralHalf));
}

}  // namespace
}  // namespace vestrilo
