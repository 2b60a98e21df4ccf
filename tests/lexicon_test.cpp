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

}  // namespace
}  // namespace vestrilo
