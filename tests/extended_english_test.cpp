// The forms the extended rules read in English text and the false readings they
// guard against, each row with what the classic rules give for it.
#include "tests/ExtendedTable.h"

namespace vestrilo {
namespace {

TEST(ExtendedEnglish, Forms) {
  test::checkRows(Direction::EnglishToChinese, {
      {"We meet at half past five .", {{"half past five", "五点 半"}}, {{"half past five", "五点 半"}}},
  });
}

}  // namespace
}  // namespace vestrilo
