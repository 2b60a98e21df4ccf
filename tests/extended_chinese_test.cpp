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

}  // namespace
}  // namespace vestrilo
