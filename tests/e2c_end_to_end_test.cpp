// The English-to-Chinese direction through the real binary: input lines in, the
// run's distinct pair lines out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// Runs the binary over `input` in the given direction and returns the output
// file; the run must succeed.
std::string run(const std::string& direction, const std::string& input) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, input);
  const test::RunResult r = test::runVestrilo({direction, in, out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  return readFile(out);
}

struct RunCase {
  const char* name;
  const char* direction;
  std::string input;
  std::string output;
};

void expectRuns(const std::vector<RunCase>& cases) {
  for (const RunCase& c : cases) EXPECT_EQ(run(c.direction, c.input), c.output) << c.name;
}

TEST(EnglishToChinese, SentencesGiveTheirPairs) {
  expectRuns({
      {"the overview's example", "-E2C", "We meet at half past five .\n", "half past five ||| 五点 半\n"},
      {"a range or a clock time: two lines, the range first", "-E2C", "ten to five\n",
       "ten to five ||| 十 到 五\nten to five ||| 差 十分 五点\n"},
      {"a percentage in digits is its own translation", "-E2C", "It rose 3.5% today .\n", "3.5% ||| 3.5%\n"},
      {"the source keeps the input's letter case", "-E2C", "Five\nfive\n", "Five ||| 五\nfive ||| 五\n"},
      {"two entities of one sentence, in order", "-E2C", "He left at Seven Fifteen p.m. on May 5, 2004 .\n",
       "Seven Fifteen p.m. ||| 下午 七点 十五分\nMay 5, 2004 ||| 2004年5月5日\n"},
      {"the source keeps its blanks, the translator does not see them", "-E2C", "It is ten  past  five .\n",
       "ten  past  five ||| 五点 十分\n"},
      {"after a context word a units word is a time, or else a number", "-E2C", "We meet at five .\n",
       "five |||  五点 \nfive ||| 五\n"},
      {"a range after from has one reading", "-E2C", "open from nine to twelve\n", "nine to twelve ||| 九 到 十二\n"},
      {"CR LF line ends", "-E2C", "Call nine one one\r\nthe 5th May 2004\r\n",
       "nine one one ||| 九 一 一\n5th May 2004 ||| 2004年5月5日\n"},
      {"a phrase before o'clock tells the time", "-E2C", "It is five past ten o'clock .\n",
       "five past ten o'clock ||| 十点 五分\n"},
      {"a hyphenated numerator", "-E2C", "twenty-three fifths\n", "twenty-three fifths ||| 五分之二十三\n"},
      {"a dotless month abbreviation with a day or a year is a month", "-E2C",
       "On Dec 5 , in Oct 1985 and on 15 Oct 1985 .\n",
       "Dec 5 ||| 12月5日\nOct 1985 ||| 1985年10月\n15 Oct 1985 ||| 1985年10月15日\n"},
      {"jun, jul and sep are month abbreviations too", "-E2C", "It was Jul 29 .\nSep 19 , 2014\nOn Jun 5 we left .\n",
       "Jul 29 ||| 7月29日\nSep 19 , 2014 ||| 2014年9月19日\nJun 5 ||| 6月5日\n"},
      {"a percent sign before punctuation", "-E2C", "About 61%. And 15%, then 20% .\n",
       "61% ||| 61%\n15% ||| 15%\n20% ||| 20%\n"},
  });
}

TEST(EnglishToChinese, NothingIsWrittenForLinesWithoutRenderedEntities) {
  expectRuns({
      {"plain words and punctuation", "-E2C", "Hello , world !\n\n   \n", ""},
      {"a scale word alone", "-E2C", "hundred\n", ""},
      {"words that are never entities alone", "-E2C", "May I ? One more March .\n", ""},
      {"a dotless month abbreviation alone is a word or a name", "-E2C", "DEC admits it , Jan Rybar wrote it .\n", ""},
      {"jun, jul and sep alone, in options and inside words", "-E2C", "Jun wrote -sep and --sep to julia .\n", ""},
      // A day that names no day of a month has no translation, and a pair
      // without a translation is not written.
      {"an empty translation", "-E2C", "the hundredth of May\n", ""},
  });
}

TEST(EnglishToChinese, RepeatsAreSuppressedAcrossTheRun) {
  expectRuns({
      {"the same entity twice in a sentence and again on later lines", "-E2C",
       "three point one four and three point one four\nthree point one four\nMonday , then Monday\n",
       "three point one four ||| 3.14\nMonday ||| 星期一\n"},
      {"a range seen again writes neither line", "-E2C", "ten to five\nit is ten to five\nten to five\n",
       "ten to five ||| 十 到 五\nten to five ||| 差 十分 五点\n"},
      {"the same text in another letter case is another pair", "-E2C", "Monday\nMONDAY\nmonday\nMonday\n",
       "Monday ||| 星期一\nMONDAY ||| 星期一\nmonday ||| 星期一\n"},
  });
}

// The registry is shared by both directions and behaves the same in each: a
// pair is written once per run, in the order of first occurrence. On the English
// side, the second reading of a two-candidate entity follows its main pair
// without being tested, so it can repeat a pair written before; it is never
// written when the main pair was already known.
TEST(BothDirections, TheRegistryOfWrittenPairs) {
  expectRuns({
      {"Chinese: a pair is written once", "-C2E", "会议 于 三点 开始\n三点 开始\n会议 于 三点\n",
       "三点 ||| three o'clock\n"},
      {"English: a pair is written once", "-E2C", "We meet at half past five .\nhalf past five it is\n",
       "half past five ||| 五点 半\n"},
      {"English: a candidate after a new main pair is written untested", "-E2C", "five\nat five\nat five\n",
       "five ||| 五\nfive |||  五点 \nfive ||| 五\n"},
      {"English: a candidate after a known main pair is not written", "-E2C", "at five\naround five\nfive\n",
       "five |||  五点 \nfive ||| 五\n"},
  });
}

TEST(EnglishToChinese, TheExampleFileShowsEveryKind) {
  const std::string out = run("-E2C", readFile(std::string(VESTRILO_SOURCE_DIR) + "/examples/english.txt"));
  // One pair per entity kind.
  for (const char* line : {
           "third ||| 第三\n",                        // Ordinal
           "fifth of March ||| 3月5日\n",              // MonthDate
           "Monday ||| 星期一\n",                     // Week
           "half past nine ||| 九点 半\n",            // Clock
           "nine one one ||| 九 一 一\n",             // Figure
           "ten to six ||| 十 到 六\nten to six ||| 差 十分 六点\n",  // FigureOrClock
           "3.5% ||| 3.5%\n",                         // Arabic
           "twenty ||| 二十\n",                       // Tens
           "two hundred and twenty five ||| 二百二十五\n",  // WordNumber
           "Two thirds ||| 三分之二\n",               // Fraction
           "5 million ||| 五百万\n",                  // ArabicMagnitude
           "22nd June 1990 ||| 1990年6月22日\n",      // DayDate
           "forty-two ||| 四十二\n",                  // Units
           "eleven |||  十一点 \neleven ||| 十一\n",   // ClockOrNumber
       })
    EXPECT_NE(out.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace vestrilo
