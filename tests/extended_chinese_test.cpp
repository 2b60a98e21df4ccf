// The forms the extended rules read in Chinese text and the false readings they
// guard against, each row with what the classic rules give for it.
#include "tests/ExtendedTable.h"

namespace vestrilo {
namespace {

TEST(ExtendedChinese, Forms) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"会议 于 三点 开始", {{"三点", "three o'clock"}}, {{"三点", "three o'clock"}}},
  });
}

// Traditional and financial numerals read as the classic ones; the financial
// numerals that are ordinary characters too only beside another numeral.
TEST(ExtendedChinese, TraditionalAndFinancialNumerals) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"兩萬 人", {{"兩萬", "twenty thousand"}}, {}},
      {"肆佰陸拾 元", {{"肆佰陸拾", "four hundred and sixty"}}, {}},
      {"伍拾壹点肆", {{"伍拾壹点肆", "51.4"}}, {}},
      {"參數 队伍 收拾 登陆", {}, {}},
  });
}

// A numeral that the segmenter fused with its measure word counts; 一 after a
// word that takes its count away, words that only hold a numeral, and a
// numeral glued to the end of another word do not.
TEST(ExtendedChinese, FusedCounts) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"这 三个 术语", {{"三个", "three"}}, {}},
      {"比較 兩個 版本", {{"兩個", "two"}}, {}},
      {"第三个 例子", {{"第三个", "third"}}, {{"第三", "third"}}},
      {"第一代 产品", {{"第一代", "first"}}, {{"第一", "first"}}},
      {"下列 值 之一", {{"之一", "one"}}, {}},
      {"使用 一个包", {{"一个包", "one"}}, {}},
      {"三年 无 改", {{"三年", "three"}}, {{"三", "three"}}},
      {"一日 行 万里", {{"一日", "one"}}, {{"一日", "first "}}},
      {"五月 一日", {{"五月 一日", "first May"}}, {{"五月 一日", "first May"}}},
      {"危楼 高 百尺", {{"百尺", "one hundred"}}, {}},
      {"三五个 人", {{"三五个", "three to five"}}, {{"三五", "three five"}}},
      {"七八个 星", {{"七八个", "seven or eight"}}, {{"七八", "seven or eight"}}},
      {"一些 文件 和 你 一样 一般 来说", {}, {}},
      {"最后 一次 启动", {}, {}},
      {"哪 一个 分支", {}, {}},
      {"这 一组 数据", {}, {}},
      {"有六個 小節", {}, {}},
      {"一个人 走", {}, {}},
  });
}

// Neighbouring numerals: two words are two numbers, repeated digits no number,
// two digits an approximation.
TEST(ExtendedChinese, NeighbouringNumerals) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"十五 十六", {{"十五", "fifteen"}, {"十六", "sixteen"}}, {{"十五 十六", "fifty-six"}}},
      {"三 百", {{"三 百", "three hundred"}}, {{"三 百", "three hundred"}}},
      {"单一 二进制", {}, {{"一 二", "one two"}}},
      {"一一 风荷举", {}, {{"一一", "one one"}}},
      {"三三两两 谁家 女", {}, {{"三三两两", "three three two two"}}},
      {"三两 枝", {{"三两", "two or three"}}, {{"三两", "three two"}}},
      {"二三 子", {{"二三", "two or three"}}, {{"二三", "two three"}}},
      {"三五百 M", {{"三五百", "three to five hundred"}}, {{"三五百", "three or five hundred"}}},
  });
}

// Renderings carry no blanks around them.
TEST(ExtendedChinese, Trimmed) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"２００８年 ８月", {{"２００８年 ８月", "August 2008"}}, {}},
      {"2008 年", {{"2008 年", "2008"}}, {{"2008 年", "  2008"}}},
      {"八月", {{"八月", "August"}}, {{"八月", " August"}}},
  });
}

}  // namespace
}  // namespace vestrilo
