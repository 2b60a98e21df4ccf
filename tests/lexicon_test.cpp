#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vestrilo
