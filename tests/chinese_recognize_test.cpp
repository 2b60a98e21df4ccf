// The adjustment pass and the recognition passes: the final entity lists of a
// line after tokenize, adjust and recognize.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "chinese/ChineseSentence.h"

namespace vestrilo {
namespace {

using K = ChineseEntityKind;

struct Entity {
  std::string text;
  K kind;
  bool operator==(const Entity& o) const { return text == o.text && kind == o.kind; }
};

void PrintTo(const Entity& e, std::ostream* os) { *os << "{" << e.text << ", " << static_cast<int>(e.kind) << "}"; }

struct Case {
  std::string line;
  std::vector<Entity> entities;
};

enum class Stages { Adjust, Recognize };

std::vector<Entity> entitiesOf(const std::string& line, Stages stages) {
  ChineseSentence s(line);
  s.tokenize();
  s.adjust();
  if (stages == Stages::Recognize) s.recognize();
  std::vector<Entity> out;
  for (const ChineseEntity& e : s.entities) out.push_back({std::string(s.text(e)), e.kind});
  return out;
}

void expectEntities(const std::vector<Case>& cases, Stages stages = Stages::Recognize) {
  for (const Case& c : cases) EXPECT_EQ(entitiesOf(c.line, stages), c.entities) << "line: " << c.line;
}

TEST(ChineseAdjust, JoinsFractionsProportionsAndEras) {
  expectEntities(
      {
          {"三分之一", {{"三分之一", K::Fractional}}},
          {"三百分之一", {{"三百分之一", K::Fractional}}},
          {"百分之五十", {{"百分之五十", K::Fractional}}},
          {"百分之百", {{"百分之百", K::Fractional}}},
          {"增长 百分之五十", {{"增长", K::Plain}, {"百分之五十", K::Fractional}}},
          {"三成", {{"三成", K::Fractional}}},
          {"3成", {{"3成", K::Fractional}}},
          {"七八成", {{"七八成", K::Fractional}}},
          {"30成", {{"30", K::Arabic}, {"成", K::Plain}}},
          {"三成的", {{"三", K::Number}, {"成的", K::Plain}}},
          {"十成 收粮", {{"十成", K::Fractional}, {"收粮", K::Plain}}},
          {"半成", {{"半成", K::Fractional}}},
          {"万万分之七", {{"万万分之七", K::Fractional}}},
          {"公元 前", {{"公元 前", K::Plain}}},
          {"公元 前 221年", {{"公元 前", K::Plain}, {"221", K::Arabic}, {"年", K::Date}}},
          {"公元前", {{"公元前", K::Plain}}},
          // 分之 with no usable neighbour stays as it is.
          {"分之一", {{"分之", K::Plain}, {"一", K::Number}}},
          {"分之", {{"分之", K::Plain}}},
          // After a joined fraction the pass goes on at the record after it.
          {"三分之一 成", {{"三分之一", K::Fractional}, {"成", K::Plain}}},
          {"三分之一分之二", {{"三分之一分之二", K::Fractional}}},
          {"三分之一 是 三成", {{"三分之一", K::Fractional}, {"是", K::Plain}, {"三成", K::Fractional}}},
      },
      Stages::Adjust);
}

TEST(ChineseRecognize, ArabicNumbers) {
  expectEntities({
      {"3.14", {{"3.14", K::Arabic}}},
      {"2004/5/1", {{"2004/5/1", K::Arabic}}},
      {"1.2.3.4", {{"1.2.3.4", K::Arabic}}},
      {"1，000", {{"1，000", K::Arabic}}},
      {"1，00", {{"1", K::Arabic}, {"，", K::Plain}, {"00", K::Arabic}}},
      {"1，00%", {{"1", K::Arabic}, {"，", K::Plain}, {"00%", K::Arabic}}},
      {"10：30", {{"10：30", K::Arabic}}},
      {"9：30", {{"9", K::Arabic}, {"：", K::Plain}, {"30", K::Arabic}}},
      {"MP3", {{"MP3", K::Latin}}},
      {"3G", {{"3G", K::Latin}}},
      // Latin joined backwards is looked at again, so it also takes what follows.
      {"3G5", {{"3G5", K::Latin}}},
  });
}

TEST(ChineseRecognize, ArabicWithChineseMagnitudes) {
  expectEntities({
      {"5万", {{"5万", K::ArabicWithUnit}}},
      {"5 万", {{"5 万", K::ArabicWithUnit}}},
      {"5千万", {{"5千万", K::ArabicWithUnit}}},
      {"5万3千", {{"5万3千", K::ArabicWithUnit}}},
      {"5万 3千", {{"5万 3千", K::ArabicWithUnit}}},
      {"5万 3千 2百", {{"5万 3千 2百", K::ArabicWithUnit}}},
      {"5万亿", {{"5万亿", K::ArabicWithUnit}}},
      {"5万 亿", {{"5万", K::ArabicWithUnit}, {"亿", K::Plain}}},
      {"5万  亿", {{"5万  亿", K::ArabicWithUnit}}},
      {"万人", {{"万人", K::Plain}}},
      {"5万人", {{"5", K::Arabic}, {"万人", K::Plain}}},
  });
}

TEST(ChineseRecognize, OrdinalsAndWeekdays) {
  expectEntities({
      {"第三", {{"第三", K::Ordinal}}},
      {"第3", {{"第3", K::Ordinal}}},
      {"第 三", {{"第 三", K::Ordinal}}},
      {"第", {{"第", K::Plain}}},
      {"星期三", {{"星期三", K::Week}}},
      {"周一", {{"周一", K::Week}}},
      {"每周 日", {{"每周 日", K::Week}}},
      {"星期天", {{"星期天", K::Week}}},
      {"星期", {{"星期", K::Plain}}},
      {"星期 八", {{"星期", K::Plain}, {"八", K::Number}}},
      {"星期五十点", {{"星期五", K::Week}, {"十点", K::Clock}}},
      {"星期一二", {{"星期一", K::Week}, {"二", K::Number}}},
      // Only a numeral is split after a week word.
      {"星期 天气", {{"星期", K::Plain}, {"天气", K::Plain}}},
  });
}

TEST(ChineseRecognize, Dates) {
  expectEntities({
      {"一九九八年", {{"一九九八年", K::Date}}},
      {"2004年", {{"2004年", K::Date}}},
      {"5年", {{"5", K::Arabic}, {"年", K::Plain}}},
      {"2004年5月1日", {{"2004年5月1日", K::Date}}},
      {"2004年 5月 1日", {{"2004年 5月 1日", K::Date}}},
      {"2004年5月1日2005年", {{"2004年5月1日", K::Date}, {"2005年", K::Date}}},
      {"五月二十", {{"五月二十", K::Date}}},
      {"五月二", {{"五月", K::Date}, {"二", K::Number}}},
      {"八月份", {{"八月份", K::Date}}},
      {"三十一日", {{"三十一日", K::Date}}},
      {"三十二日", {{"三十二", K::Number}, {"日", K::Plain}}},
      {"31日", {{"31日", K::Date}}},
      {"32日", {{"32", K::Arabic}, {"日", K::Plain}}},
      {"半月", {{"半", K::Number}, {"月", K::Plain}}},
      {"公元前221年", {{"公元前221年", K::Date}}},
      {"公元 1998年", {{"公元 1998年", K::Date}}},
      {"公元 前 221年", {{"公元 前 221年", K::Date}}},
      {"公元前后 1998年", {{"公元前后", K::Plain}, {"1998年", K::Date}}},
  });
}

TEST(ChineseRecognize, ClockTimes) {
  expectEntities({
      {"三点", {{"三点", K::Clock}}},
      {"会议 于 三点 开始",
       {{"会议", K::Plain}, {"于", K::Plain}, {"三点", K::Clock}, {"开始", K::Plain}}},
      {"五点钟", {{"五点钟", K::Clock}}},
      {"三点十分", {{"三点十分", K::Clock}}},
      {"三点一刻", {{"三点一刻", K::Clock}}},
      {"三点两刻", {{"三点", K::Clock}, {"两", K::Number}, {"刻", K::Plain}}},
      {"三点半", {{"三点半", K::Clock}}},
      {"三点二十", {{"三点二十", K::Clock}}},
      {"三点 五十九", {{"三点 五十九", K::Clock}}},
      {"三点 六十", {{"三点", K::Clock}, {"六十", K::Number}}},
      {"三点 五十九分", {{"三点 五十九分", K::Clock}}},
      {"三点 61分", {{"三点", K::Clock}, {"61", K::Arabic}, {"分", K::Plain}}},
      {"3点15分", {{"3点15分", K::Clock}}},
      {"3点15", {{"3点15", K::Clock}}},
      {"3点60", {{"3点", K::Clock}, {"60", K::Arabic}}},
      {"25点", {{"25", K::Arabic}, {"点", K::Plain}}},
      {"二十五点", {{"二十五", K::Number}, {"点", K::Plain}}},
      {"三点零五", {{"三点零五", K::Clock}}},
      {"八点零五分", {{"八点零五分", K::Clock}}},
      {"零五分", {{"零五分", K::Plain}}},
      {"十五分", {{"十五", K::Number}, {"分", K::Plain}}},
      {"五 分", {{"五", K::Number}, {"分", K::Plain}}},
      // Look again: the joined time takes further minutes.
      {"三点 二十 三十", {{"三点 二十 三十", K::Clock}}},
      // Continue after: a second minute expression is looked at on its own.
      {"三点 十分 十分", {{"三点 十分", K::Clock}, {"十分", K::Plain}}},
  });
}

TEST(ChineseRecognize, DecimalNumbers) {
  expectEntities({
      {"三点五", {{"三点五", K::Fractional}}},
      {"二十五点五", {{"二十五点五", K::Fractional}}},
      {"三点二五", {{"三点二五", K::Fractional}}},
      {"三点一四一五九", {{"三点一四一五九", K::Fractional}}},
      {"三点零五零", {{"三点零五零", K::Fractional}}},
      {"三点五万", {{"三点五万", K::Fractional}}},
      {"二十五点两", {{"二十五点两", K::Fractional}}},
      {"五点两", {{"五点", K::Clock}, {"两", K::Number}}},
  });
}

TEST(ChineseRecognize, NumeralsInsideWords) {
  expectEntities({
      {"十分", {{"十分", K::Plain}}},
      {"十分 好", {{"十分", K::Plain}, {"好", K::Plain}}},
      {"三个", {{"三个", K::Plain}}},
      {"三 个", {{"三", K::Number}, {"个", K::Plain}}},
      {"统一", {{"统一", K::Plain}}},
      {"统 一", {{"统", K::Plain}, {"一", K::Number}}},
      {"三", {{"三", K::Number}}},
      {"三百 二十", {{"三百 二十", K::Number}}},
      {"一九九八", {{"一九九八", K::Figure}}},
      // The measure word 两 after 百, 千, 万 or 亿 is glued to the numeral as any
      // other measure word is; apart from it, the numeral stands alone.
      {"此地 无 银 三百两", {{"此地", K::Plain}, {"无", K::Plain}, {"银", K::Plain}, {"三百两", K::Plain}}},
      {"三百两银子", {{"三百两银子", K::Plain}}},
      {"第三百两", {{"第三百", K::Ordinal}, {"两", K::Plain}}},
      {"两万 两", {{"两万", K::Number}, {"两", K::Plain}}},
      {"两万二", {{"两万二", K::Number}}},
      {"半成品", {{"半成品", K::Plain}}},
      {"四万万 同胞", {{"四万万", K::Number}, {"同胞", K::Plain}}},
      {"10万万", {{"10万万", K::ArabicWithUnit}}},
      {"万万 不可", {{"万", K::Plain}, {"万", K::Plain}, {"不可", K::Plain}}},
  });
}

// Values that do not fit in 32 bits never pass an upper limit, and pass a lower
// one (no wrap-around to small or negative numbers).
TEST(ChineseRecognize, LargeValuesSaturate) {
  expectEntities({
      {"三百亿点", {{"三百亿", K::Number}, {"点", K::Plain}}},
      {"三百亿点两", {{"三百亿点两", K::Fractional}}},
      {"4294967296年", {{"4294967296", K::Arabic}, {"年", K::Plain}}},
      {"4294967297日", {{"4294967297", K::Arabic}, {"日", K::Plain}}},
      {"18446744073709551617年", {{"18446744073709551617", K::Arabic}, {"年", K::Plain}}},
      {"3点4294967296", {{"3点", K::Clock}, {"4294967296", K::Arabic}}},
  });
}

TEST(ChineseRecognize, EmptyAndBlankLines) {
  expectEntities({
      {"", {}},
      {"  \t\r", {}},
  });
}

}  // namespace
}  // namespace vestrilo
