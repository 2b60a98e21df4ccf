// vestrilo -C2E end to end: the real binary on GBK files, checked on the exact
// bytes of the output file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// Runs -C2E over the input bytes and returns the output file.
std::string runC2E(const std::string& input) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, input);
  const test::RunResult r = test::runVestrilo({"-C2E", in, out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  return readFile(out);
}

struct Case {
  const char* name;
  const char* input;
  const char* output;
};

TEST(ChineseToEnglish, OutputIsTheListOfNewPairs) {
  const Case cases[] = {
      {"one clock time", "会议 于 三点 开始\n", "三点 ||| three o'clock\n"},
      {"no entity", "会议 开始 了\n", ""},
      {"repeat on a later line", "会议 于 三点 开始\n明天 三点 再 见\n", "三点 ||| three o'clock\n"},
      {"repeat within a line", "三点 或 三点 都 行\n", "三点 ||| three o'clock\n"},
      {"same translation, other source", "三点 或 3点 都 行\n",
       "三点 ||| three o'clock\n3点 ||| three o'clock\n"},
      {"source keeps its inner space", "会议 有 三 百 人 参加\n", "三 百 ||| three hundred\n"},
      {"an Arabic number is its own translation", "圆周率 约 是 3.14\n", "3.14 ||| 3.14\n"},
      {"pairs in order of the sentence", "今天 是 2004年5月1日 ， 星期六\n",
       "2004年5月1日 ||| 1st May 2004\n星期六 ||| Saturday\n"},
      {"zero-padded dates and months written 月份", "会议 于 2005年 03月 03日 举行 , 八月份 11日 结束\n",
       "2005年 03月 03日 ||| 3rd March 2005\n八月份 11日 ||| 11th August\n"},
      {"no line end after the last line", "他 是 第三 名", "第三 ||| third\n"},
      {"empty lines in between", "\n\n三点\n\n", "三点 ||| three o'clock\n"},
      // 13月 is recognised as a date but has no English month: nothing is written.
      {"an empty translation is not written", "在 13月 里\n", ""},
      {"the measure word 两 after a magnitude", "此地 无 银 三百两\n一千两 和 两万 两\n三百二 , 一千二 , 两万二\n",
       "两万 ||| twenty thousand\n三百二 ||| three hundred and twenty\n一千二 ||| one thousand two hundred\n"
       "两万二 ||| twenty-two thousand\n"},
      {"tenths and 万万", "十成 收粮 , 半成\n四万万 同胞 , 10万万 , 万万分之七\n",
       "十成 ||| one hundred percent\n半成 ||| five percent\n四万万 ||| four hundred million\n"
       "10万万 ||| one billion\n万万分之七 ||| seven hundred millionths\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(runC2E(c.input), c.output) << c.name;
}

TEST(ChineseToEnglish, CarriageReturnsNeverReachTheOutput) {
  EXPECT_EQ(runC2E("会议 于 三点 开始\r\n他 是 第三 名\r\n每周五 开会\r\n"),
            "三点 ||| three o'clock\n第三 ||| third\n每周五 ||| every Friday\n");
  // The same text with LF line ends gives the same file.
  EXPECT_EQ(runC2E("会议 于 三点 开始\n他 是 第三 名\n每周五 开会\n"),
            "三点 ||| three o'clock\n第三 ||| third\n每周五 ||| every Friday\n");
}

TEST(ChineseToEnglish, StrayBytesAreHarmless) {
  // A lone lead byte at the end of a line, control bytes, and a tab inside a
  // numeral do not disturb the pairs around them.
  EXPECT_EQ(runC2E(std::string("三点 \xB0\n") + "\x01\x7F 第三\t名\n"),
            "三点 ||| three o'clock\n第三 ||| third\n");
}

// The example file shows every kind of entity; its pairs are checked in full.
TEST(ChineseToEnglish, ExampleFile) {
  const std::string example = readFile(std::string(VESTRILO_SOURCE_DIR) + "/examples/chinese.txt");
  ASSERT_FALSE(example.empty());
  const std::string expected =
      "三点 ||| three o'clock\n"
      "2004年5月1日 ||| 1st May 2004\n"
      "星期六 ||| Saturday\n"
      "一九九八年 |||   1998\n"
      "第三 ||| third\n"
      "三百二十五 ||| three hundred and twenty-five\n"
      "三四百 ||| three or four hundred\n"
      "三零二 ||| three zero two\n"
      "八六 ||| eight six\n"
      "13亿 ||| one billion three hundred million\n"
      "十 ||| ten\n"
      "1.5亿 ||| one hundred and fifty million\n"
      "百分之五十 ||| 50%\n"
      "三成 ||| thirty percent\n"
      "三分之二 ||| two thirds\n"
      "3，000 ||| 3，000\n"
      "25% ||| 25%\n"
      "每周五 ||| every Friday\n"
      "八点半 ||| eight thirty\n"
      "十点一刻 ||| ten fifteen\n"
      "9点30分 ||| nine thirty\n"
      "二零零八年八月八日 ||| eighth August 2008\n"
      "八点 ||| eight o'clock\n"
      "八月十五日 ||| fifteenth August\n"
      "十月一日 ||| first October\n"
      "3-5万 ||| thirty thousand to fifty thousand\n"
      "3.14 ||| 3.14\n"
      "三点一四 ||| 3.14\n"
      "公元前221年 |||   221 B.C.\n"
      "第二 ||| second\n"
      "七点 ||| seven o'clock\n"
      "第2 ||| 2nd\n"
      "3千5百万 ||| thirty-five million\n"
      "十八 ||| eighteen\n"
      "十二月三十一日 ||| thirty-first December\n"
      "一 ||| one\n"
      "十二 ||| twelve\n"
      "星期天 ||| Sunday\n";
  EXPECT_EQ(runC2E(example), expected);
}

}  // namespace
}  // namespace vestrilo
