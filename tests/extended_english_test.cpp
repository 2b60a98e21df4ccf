// The forms the extended rules read in English text and the false readings they
// guard against, each row with what the classic rules give for it. Each table
// holds the forms of one kind and their near misses (the lines that look like
// them and are not).
#include "tests/ExtendedTable.h"

#include <random>
#include <string>
#include <vector>

#include "core/SentenceOutput.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"

namespace vestrilo {
namespace {

void checkEnglish(const std::vector<test::RulesRow>& rows) { test::checkRows(Direction::EnglishToChinese, rows); }

TEST(ExtendedEnglish, Forms) {
  checkEnglish({
      {"We meet at half past five .", {{"half past five", "五点 半"}}, {{"half past five", "五点 半"}}},
  });
}

TEST(ExtendedEnglish, NumericDates) {
  checkEnglish({
      // ISO and numeric dates, month first as English writes them
      {"Released on 2016-12-14 .",
       {{"2016-12-14", "2016年12月14日"}},
       {}},
      {"The branch was cut 2008-12 .",
       {{"2008-12", "2008年12月"}},
       {}},
      {"Due 08/29 , paid 12/05 .",
       {{"08/29", "8月29日"}, {"12/05", "12月5日"}},
       {}},
      {"Born 8/29/2001 and married 29/08/2005 .",
       {{"8/29/2001", "2001年8月29日"}, {"29/08/2005", "2005年8月29日"}},
       {}},
      {"The 88/08/01 tape.",
       {{"88/08/01", "88年8月1日"}},
       {}},
      // near misses: a path, fractions, a version, a standard's number, a year range
      {"Moved to /srv/08/29/old and 1/2 cup and 3/64 inch.",
       {},
       {}},
      {"Version 1.2.3 of ISO 8859-12 from 1918-1981 .",
       {{"8859-12", "8859-12"}, {"1918-1981", "1918-1981"}},
       {{"1.2.3", "1.2.3"}}},
  });
}

TEST(ExtendedEnglish, TimesAndStamps) {
  checkEnglish({
      // clock times with seconds, in the style of the classic 13:30 (no blanks around it)
      {"The job ended at 17:59:04 today, the next at 9:09:19 .",
       {{"17:59:04", "17:59:04"}, {"9:09:19", "9:09:19"}},
       {}},
      {"At 13:30 and 10:30 p.m. we met.",
       {{"13:30", "13:30"}, {"10:30 p.m.", "下午 10:30"}},
       {{"13:30", " 13:30"}, {"10:30 p.m.", "下午 10:30"}}},
      // near misses: no such time, a ratio
      {"The value 25:61:00 and a 3:1 majority.",
       {{"3:1", "3:1"}},
       {}},
      // mail, ctime, syslog and listing stamps: one pair for the whole stamp; the time zone is no number
      {"Date: Mon, 04 Jan 2016 17:59:04 +0000",
       {{"Mon, 04 Jan 2016 17:59:04", "2016年1月4日 星期一 17:59:04"}},
       {{"04 Jan 2016", "2016年1月04日"}, {"0000", "0000"}}},
      {"Mon Jan  4 17:59:04 2016",
       {{"Mon Jan  4 17:59:04 2016", "2016年1月4日 星期一 17:59:04"}},
       {{"Jan  4", "1月4日"}, {"2016", "2016"}}},
      {"-- Michael Stone <mstone@debian.org>  Sun, 09 Feb 2003 09:09:19 -0500",
       {{"Sun, 09 Feb 2003 09:09:19", "2003年2月9日 星期日 09:09:19"}},
       {{"09 Feb 2003", "2003年2月09日"}, {"0500", "0500"}}},
      {"Mar 31 17:30:10 mirtuel sshd[1147]: Accepted password",
       {{"Mar 31 17:30:10", "3月31日 17:30:10"}},
       {{"Mar 31", "3月31日"}}},
      {"lrwxrwxrwx 1 root root       7 Mar  1 00:19 vg_critical-lv_base -> ../dm-1",
       {{"1", "1"}, {"7", "7"}, {"Mar  1 00:19", "3月1日 00:19"}},
       {{"1", "1"}, {"7 Mar", "3月7日"}, {"1", "1"}, {"00:19", " 00:19"}}},
      {"--- /usr/include/inttypes.h  2001-04-20 18:42:14 +0200",
       {{"2001-04-20 18:42:14", "2001年4月20日 18:42:14"}},
       {{"0200", "0200"}}},
      {"Started Thu 2021-04-29 19:00:00 UTC.",
       {{"Thu 2021-04-29 19:00:00", "2021年4月29日 星期四 19:00:00"}},
       {}},
  });
}

TEST(ExtendedEnglish, WeekdayAbbreviations) {
  checkEnglish({
      // weekday abbreviations
      {"Open Mon, closed Tue. and Thu.",
       {{"Mon", "星期一"}, {"Tue", "星期二"}, {"Thu", "星期四"}},
       {}},
      {"Service on Sat, Sun and holidays; Wed to Fri by mail.",
       {{"Sat", "星期六"}, {"Sun", "星期日"}, {"Wed", "星期三"}, {"Fri", "星期五"}},
       {}},
      // near misses: the maker, the star, a verb
      {"Sun, IBM and HP agreed; the Sun rose; he sat.",
       {},
       {}},
      {"Russian (Sun Type 6/7)",
       {},
       {}},
  });
}

TEST(ExtendedEnglish, OneCountsOrStandsForSomething) {
  checkEnglish({
      // one that counts
      {"If more than one is specified, only the final",
       {{"one", "一"}},
       {}},
      {"when one of us ventures",
       {{"one", "一"}},
       {}},
      {"Skip one byte less and use one per line.",
       {{"one", "一"}, {"one", "一"}},
       {}},
      {"It allows renaming files from one encoding to another.",
       {{"one", "一"}},
       {}},
      {"Make sure to include at least one UTF-8 locale.",
       {{"one", "一"}},
       {}},
      {"Each decision is made by one or more of the following.",
       {{"one", "一"}},
       {}},
      // one that stands for a person or thing, and idioms
      {"You select the one to be used with cursor keys.",
       {},
       {}},
      {"Fortunately, to do this really well, one has to become a wizard.",
       {},
       {}},
      {"Unranked options are ranked equally with one another.",
       {},
       {}},
      {"The old one and a new one, and this one (like its ancestors).",
       {},
       {}},
      {"Well, one day, at one point, for one thing.",
       {},
       {}},
      {"the Holy One of Israel",
       {},
       {}},
  });
}

TEST(ExtendedEnglish, NumbersSplitOffTheirNouns) {
  checkEnglish({
      // other lone numbers: split off a hyphenated noun or a glued unit
      {"A thirty-two bit extension to a sixteen-bit patch for an eight-bit system.",
       {{"thirty-two", "三十二"}, {"sixteen", "十六"}, {"eight", "八"}},
       {{"thirty-two", "三十二"}}},
      {"Ninety-Ninety Rule",
       {{"Ninety", "九十"}, {"Ninety", "九十"}},
       {}},
      {"The 64-bit build uses the 2-byte form and 83MiB of disk, 128+N as status.",
       {{"64", "64"}, {"2", "2"}, {"83", "83"}, {"128", "128"}},
       {}},
      {"By mid-1993 there were two.",
       {{"1993", "1993"}, {"two", "二"}},
       {{"two", "二"}}},
      // near misses: idioms with a hyphen, names with digits
      {"a two-bit company and a one-shot test and off-by-one errors",
       {},
       {}},
      {"ext4 on x86-64 with UTF-8 and i386",
       {},
       {}},
  });
}

TEST(ExtendedEnglish, RangesAndApproximations) {
  checkEnglish({
      // ranges of digits, approximations in words, ranges of days
      {"This numeric mode uses 3 to 4 digit wide numbers, values 0 through 15 .",
       {{"3 to 4", "3 到 4"}, {"0 through 15", "0 到 15"}},
       {{"3", "3"}, {"4", "4"}, {"0", "0"}, {"15", "15"}}},
      {"two or three big swings; one or two hex digits; eight or ten times",
       {{"two or three", "两三"}, {"one or two", "一两"}, {"eight or ten", "八或十"}},
       {{"two", "二"}, {"three", "三"}, {"two", "二"}, {"eight", "八"}, {"ten", "十"}}},
      {"strings of length zero to six .",
       {{"zero to six", "零 到 六"}},
       {{"zero to six", "零 到 六"}, {"zero to six", "差 零分 六点", true}}},
      {"from 24 to 30 July 2011, with DebCamp from 17 to 23 July .",
       {{"24 to 30 July 2011", "2011年7月24日到30日"}, {"17 to 23 July", "7月17日到23日"}},
       {{"24", "24"}, {"30 July 2011", "2011年7月30日"}, {"17", "17"}, {"23 July", "7月23日"}}},
      {"held from August 10th to 16th, 2008 with over two hundred participants.",
       {{"August 10th to 16th, 2008", "2008年8月10日到16日"}, {"two hundred", "二百"}},
       {{"August 10th", "8月10日"}, {"16th", "第16"}, {"2008", "2008"}, {"two hundred", "二百"}}},
      {"held from the 2nd to the 5th of July together",
       {{"2nd to the 5th of July", "7月2日到5日"}},
       {{"2nd", "第2"}, {"5th of July", "7月5日"}}},
      // copied as they stand
      {"Copyright (c) 2004-14 and pages 0-2, 3-5 and 10^6 and 172_456 and 3x5 .",
       {{"2004-14", "2004-14"}, {"0-2", "0-2"}, {"3-5", "3-5"}, {"10^6", "10^6"}, {"172_456", "172_456"},
        {"3x5", "3x5"}},
       {}},
      // near misses: versions, descending numbers, digits that are codes
      {"upgraded from version 0.23 to 0.26 .",
       {{"0.23", "0.23"}, {"0.26", "0.26"}},
       {{"0.23", "0.23"}, {"0.26", "0.26"}}},
      {"Ten to one he loses; count down from 10 to 1 .",
       {{"10", "10"}, {"1", "1"}},
       {{"Ten to one", "十 到 一"}, {"Ten to one", "差 十分 一点", true}, {"10", "10"}, {"1", "1"}}},
      {"something other than 0 or 1 here",
       {{"0", "0"}, {"1", "1"}},
       {{"0", "0"}, {"1", "1"}}},
  });
}

TEST(ExtendedEnglish, FalseReadingsGuarded) {
  checkEnglish({
      // second as a unit of time
      {"Wait 1 second, then a 30 second timeout, ten per second.",
       {{"1", "1"}, {"30", "30"}, {"ten", "十"}},
       {{"1", "1"}, {"second", "第二"}, {"30", "30"}, {"second", "第二"}, {"ten", "十"}, {"second", "第二"}}},
      {"The second form is used.",
       {{"second", "第二"}},
       {{"second", "第二"}}},
      // may the verb, first as an adverb or an idiom
      {"The first may not work and option 3 may fail.",
       {{"first", "第一"}, {"3", "3"}},
       {{"first may", "5月1日"}, {"3 may", "5月3日"}}},
      {"This may be a decade older.",
       {{"a decade", "十年"}},
       {}},
      {"the worktree file is first converted with the filter.",
       {},
       {{"first", "第一"}}},
      {"Read the first 35 lines, then a first name, the first few screens.",
       {{"35", "35"}},
       {{"first", "第一"}, {"35", "35"}, {"first", "第一"}, {"first", "第一"}}},
      {"It was the first release to include it.",
       {{"first", "第一"}},
       {{"first", "第一"}}},
      // clock readings need signs of a time
      {"two of three voted",
       {{"two", "二"}, {"three", "三"}},
       {{"two of three", "差 二分 三点"}}},
      {"ten to five",
       {},
       {{"ten to five", "十 到 五"}, {"ten to five", "差 十分 五点", true}}},
      {"at ten to five.",
       {{"ten to five", "差 十分 五点"}},
       {{"ten", " 十点 "}, {"ten", "十", true}, {"five", "五"}}},
      {"twenty to six p.m.",
       {{"twenty to six p.m.", "下午差 二十分 六点"}},
       {{"twenty", "二十"}, {"six p.m.", "下午 六点 "}}},
      {"after three days",
       {{"three", "三"}},
       {{"three", " 三点 "}, {"three", "三", true}}},
      {"Film at eleven.",
       {{"eleven", "十一点"}, {"eleven", "十一", true}},
       {{"eleven", " 十一点 "}, {"eleven", "十一", true}}},
      {"at zero",
       {{"zero", "零"}},
       {{"zero", " 零点 "}, {"zero", "零", true}}},
      // versions, build and file numbers: no pair
      {"Linux 2.6.33 and build 8.2.5063 and file 0007 and mode 0777",
       {},
       {{"2.6.33", "2.6.33"}, {"8.2.5063", "8.2.5063"}, {"0007", "0007"}, {"0777", "0777"}}},
      // titles
      {"In the novel Count Zero, FIFTH is a language; Gang of Four .",
       {{"Four", "四"}},
       {{"Zero", "零"}, {"FIFTH", "第五"}, {"Four", "四"}}},
      // no padding
      {"at eighteen o'clock and seven fifteen and ten a.m.",
       {{"eighteen o'clock", "十八点"}, {"seven fifteen", "七点 十五分"}, {"ten a.m.", "上午 十点"}},
       {{"eighteen o'clock", "十八点"}, {"seven fifteen", " 七点 十五分"}, {"ten a.m.", "上午 十点 "}}},
  });
}

TEST(ExtendedEnglish, NumbersInWords) {
  checkEnglish({
      // negatives
      {"It was minus five; use negative 3; set it to -5 now.",
       {{"minus five", "负五"}, {"negative 3", "负3"}, {"-5", "-5"}},
       {{"five", "五"}, {"3", "3"}, {"5", "5"}}},
      // percent in words
      {"About twenty percent, only 3 per cent, and ten percent.",
       {{"twenty percent", "百分之二十"}, {"3 per cent", "3%"}, {"ten percent", "百分之十"}},
       {{"twenty", "二十"}, {"3", "3"}, {"ten percent", "百分之十"}}},
      {"It gives a percentage of 10 here.",
       {{"10", "10"}},
       {{"10", "10"}}},
      // fractions in words
      {"three quarters of the pie and a half of it",
       {{"three quarters", "四分之三"}, {"a half", "二分之一"}},
       {{"three", "三"}}},
      {"a fifth of the vote and three twenty-firsts",
       {{"a fifth", "五分之一"}, {"three twenty-firsts", "二十一分之三"}},
       {{"fifth", "第五"}, {"three", "三"}}},
      {"one out of three people, one over three",
       {{"one out of three", "三分之一"}, {"one over three", "三分之一"}},
       {{"three", "三"}, {"three", "三"}}},
      {"the other half of it, half an hour",
       {{"half", "一半"}, {"half an", "半"}},
       {}},
      // near misses: a quarter of a year, half past five
      {"by the last quarter; half past five",
       {{"half past five", "五点 半"}},
       {{"half past five", "五点 半"}}},
      // mixed numbers
      {"one and a half hours, twenty and three fifths",
       {{"one and a half", "一又二分之一"}, {"twenty and three fifths", "二十又五分之三"}},
       {{"twenty", "二十"}, {"three fifths", "五分之三"}}},
      {"half a million people",
       {{"half a million", "五十万"}},
       {{"a million", "一百万"}}},
      // dozens, scale words with digits, letter multipliers, trillion
      {"two dozen eggs, a dozen tests, dozens of bugs",
       {{"two dozen", "二十四"}, {"a dozen", "十二"}, {"dozens", "几十"}},
       {{"two", "二"}}},
      {"3 hundred and 21 cats and 5 million",
       {{"3 hundred and 21", "三百二十一"}, {"5 million", "五百万"}},
       {{"3 hundred", "三百"}, {"21", "21"}, {"5 million", "五百万"}}},
      {"10k users and 1.2b dollars",
       {{"10k", "一万"}, {"1.2b", "十二亿"}},
       {}},
      {"one trillion stars and Million Instructions Per Second",
       {{"one trillion", "一万亿"}, {"Million", "百万"}},
       {{"Second", "第二"}}},
      // decimals and zero in words
      {"nine point nought four and naught",
       {{"nine point nought four", "9.04"}, {"naught", "零"}},
       {{"nine", "九"}, {"four", "四"}}},
      {"two hundred point zero three",
       {{"two hundred point zero three", "200.03"}},
       {{"two hundred", "二百"}, {"zero", "零"}, {"three", "三"}}},
      // ordinals the classic set lacks
      {"the two hundredth time, the trillionth digit, Nineth place",
       {{"two hundredth", "第二百"}, {"trillionth", "第一万亿"}, {"Nineth", "第九"}},
       {{"two hundredth", ""}}},
      {"In the one and twentieth day of the month",
       {{"one and twentieth", "第二十一"}},
       {{"twentieth", "第二十"}}},
      // old numbers
      {"threescore cubits and two and twenty years",
       {{"threescore", "六十"}, {"two and twenty", "二十二"}},
       {{"two", "二"}, {"twenty", "二十"}}},
      {"an hundred twenty and eight, and forty and two thousand",
       {{"an hundred twenty and eight", "一百二十八"}, {"forty and two thousand", "四万二千"}},
       {{"twenty", "二十"}, {"eight", "八"}, {"forty", "四十"}, {"two thousand", "二千"}}},
      // decades
      {"the 1990s were fun, the '80s music, in the 50's and 60's",
       {{"1990s", "20世纪90年代"}, {"80s", "80年代"}, {"50's", "50年代"}, {"60's", "60年代"}},
       {}},
      // near misses: 1990 alone is a year, 80 alone a number
      {"in 1990 and 80 more",
       {{"1990", "1990"}, {"80", "80"}},
       {{"1990", "1990"}, {"80", "80"}}},
  });
}

// The quick scan may clear a line only when the extended stages find nothing in
// it: random lines of the words the extended rules read (and words like them),
// glued and apart, checked against the full stages.
TEST(ExtendedEnglish, QuickScanClearsOnlyLinesWithoutEntities) {
  const std::vector<std::string> pieces = {
      "half", "Half", "halves", "quarter", "quarters", "dozen", "dozens", "threescore", "score", "nought", "naught",
      "trillion", "trillionth", "Nineth", "midnight", "noon", "Mon", "Tue", "Sun", "Wed", ",", ".", "-", "'", "s",
      "a", "an", "and", "of", "out", "over", "to", "through", "or", "per", "cent", "minus", "negative", "the", "at",
      "in", "morning", "p.m.", "the", "word", "Sunday", "\xE2\x80\x98", "\xE2\x80\x99", "mid", "bit", "  "};
  const std::vector<std::string> triggers = {"one", "two", "twenty", "hundred", "5", "1990s", "17:59:04", "first"};
  std::mt19937 rng(24);
  std::size_t cleared = 0, lines = 20000;
  for (std::size_t n = 0; n < lines; ++n) {
    std::string line;
    const std::size_t words = 1 + rng() % 10;
    for (std::size_t i = 0; i < words; ++i) {
      line += rng() % 30 == 0 ? triggers[rng() % triggers.size()] : pieces[rng() % pieces.size()];
      if (rng() % 4 != 0) line += ' ';
    }
    EnglishSentence s;
    s.rules = RuleSet::Extended;
    s.assign(line);
    s.runStages();
    std::vector<Pair> full;
    translationPairs(s, full);
    if (!EnglishSentence::mayHoldEntity(line, RuleSet::Extended)) {
      ++cleared;
      EXPECT_TRUE(full.empty()) << "a cleared line holds an entity: " << line;
    }
  }
  EXPECT_GT(cleared, lines / 20) << "lines without the words the rules read must be cleared";
  EXPECT_LT(cleared, lines / 2);
}

}  // namespace
}  // namespace vestrilo
