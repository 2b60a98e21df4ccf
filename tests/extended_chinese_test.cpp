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
