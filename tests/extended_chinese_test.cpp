// The forms the extended rules read in Chinese text and the false readings they
// guard against, each row with what the classic rules give for it.
#include "tests/ExtendedTable.h"

namespace vestrilo {
namespace {

// A numeral with 点 or 时 is a time of day only with evidence: 点钟, minutes,
// a part of the day, a date or a preposition of time; the part of the day
// tells a.m. from p.m.
TEST(ExtendedChinese, ClockTimes) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"会议 于 三点 开始", {{"三点", "three o'clock"}}, {{"三点", "three o'clock"}}},
      {"下午 4 点 运行", {{"下午 4 点", "four p.m."}}, {{"4 点", "four o'clock"}}},
      {"凌晨 三点", {{"凌晨 三点", "three a.m."}}, {{"三点", "three o'clock"}}},
      {"明天 上午 1 点", {{"上午 1 点", "one a.m."}}, {{"1 点", "one o'clock"}}},
      {"午夜 0 点", {{"午夜 0 点", "midnight"}}, {{"0 点", "zero o'clock"}}},
      {"中午 12 点", {{"中午 12 点", "noon"}}, {{"12 点", "twelve o'clock"}}},
      {"三点 十分", {{"三点 十分", "three ten"}}, {{"三点 十分", "three ten"}}},
      {"三点半", {{"三点半", "three thirty"}}, {{"三点半", "three thirty"}}},
      {"3点15", {{"3点15", "three fifteen"}}, {{"3点15", "three fifteen"}}},
      {"三点钟", {{"三点钟", "three o'clock"}}, {{"三点钟", "three o'clock"}}},
      // Two quarters are half past; a decimal stays one.
      {"两点二刻", {{"两点二刻", "two thirty"}}, {{"两点二", "2.2"}}},
      {"下午 两点二刻", {{"下午 两点二刻", "two thirty p.m."}}, {{"两点二", "2.2"}}},
      {"两点二", {{"两点二", "2.2"}}, {{"两点二", "2.2"}}},
      {"23 时 05 分 25 秒",
       {{"23 时 05 分 25 秒", "23:05:25"}},
       {{"23 时 05 分", "twenty-three five"}, {"25", "25"}}},
      {"1900 年 1 月 1 日 零时",
       {{"1900 年 1 月 1 日", "1st January 1900"}, {"零时", "midnight"}},
       {{"1900 年 1 月 1 日", "1st January 1900"}, {"零时", "zero o'clock"}}},
      // Decimals keep their point.
      {"三点五", {{"三点五", "3.5"}}, {{"三点五", "3.5"}}},
      {"一千点 一", {{"一千点 一", "1000.1"}}, {{"一千点 一", "1000.1"}}},
      // No evidence: a bit, this point, for a while, the four seasons, when set to 0.
      {"这 一点 也 适用", {}, {{"一点", "one o'clock"}}},
      {"有 一点 不同", {}, {{"一点", "one o'clock"}}},
      {"一点 也 不", {}, {{"一点", "one o'clock"}}},
      {"扇手 一时 似玉", {}, {{"一时", "one o'clock"}}},
      {"四时 行焉", {}, {{"四时", "four o'clock"}}},
      {"不宜 存 半点 隔阂", {}, {{"半点", "half o'clock"}}},
      {"设为 0 时 ， 返回", {{"0", "0"}}, {{"0 时", "zero o'clock"}}},
      {"如 eth0 时", {}, {{"0 时", "zero o'clock"}}},
  });
}

// Section, table, version and address numbers are no numbers to translate.
TEST(ExtendedChinese, Identifiers) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"参考 第 9.8 节", {{"9.8", "9.8"}}, {{"第 9", "9th"}, {"8", "8"}}},
      {"第 10.1 . 5 节", {}, {{"第 10", "10th"}, {"1 . 5", "1 . 5"}}},
      {"见 9.6 . 3 节", {}, {{"9.6 . 3", "9.6 . 3"}}},
      {"192.168 . 0.1", {}, {{"192.168 . 0.1", "192.168 . 0.1"}}},
      {"表 9.11", {}, {{"9.11", "9.11"}}},
      {"27.1 . 2021 年 8 月 14 日",
       {{"27.1", "27.1"}, {"2021 年 8 月 14 日", "14th August 2021"}},
       {{"27.1 . 2021 年 8 月 14 日", "14th August 27.1.2021"}}},
      {"1.5 年", {{"1.5", "1.5"}}, {{"1.5 年", "  1.5"}}},
      // An ordinal with digits and no point stays one.
      {"第 4 個 工作 區", {{"第 4", "4th"}}, {{"第 4", "4th"}}},
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
      // The quick scan lets a line through for a variant that reads as a
      // numeral or week word, not for one that only follows a number.
      {"週日 開會", {{"週日", "Sunday"}}, {}},
      {"第２個", {{"第２個", "2nd"}}, {}},
      {"陆拾 元", {{"陆拾", "sixty"}}, {}},
      {"點擊 時間 號碼", {}, {}},
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
      {"指標 四周 的 空間", {}, {}},
      // A numeral glued to the end of a word: idioms and 半 are no number.
      {"飘零 君 不知", {}, {{"零", "zero"}}},
      {"昨夜 夜半", {}, {{"半", "half"}}},
      {"返回 非零", {{"零", "zero"}}, {{"零", "zero"}}},
  });
}

// Negative numbers: a sign after a Chinese word, in the style of the number
// (digits with the minus sign are their own translation); not after a word in
// Latin letters or between two numbers.
TEST(ExtendedChinese, Negatives) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"负三十二", {{"负三十二", "minus thirty-two"}}, {{"三十二", "thirty-two"}}},
      {"负一点一", {{"负一点一", "-1.1"}}, {{"一", "one"}}},
      {"负3.9%", {{"负3.9%", "-3.9%"}}, {{"3.9%", "3.9%"}}},
      {"负3万", {{"负3万", "minus thirty thousand"}}, {{"3万", "thirty thousand"}}},
      {"设 为 - 1 以 禁止", {{"- 1", "- 1"}}, {{"1", "1"}}},
      {"返回 －１ 。", {{"－１", "-1"}}, {}},
      {"tail -1", {{"1", "1"}}, {{"1", "1"}}},
      {"3 - 1", {{"3 - 1", "3 - 1"}}, {{"3 - 1", "3 - 1"}}},
      {"负责 三个 项目", {{"三个", "three"}}, {}},
  });
}

// Ranges: two numbers of one kind with 到 or 至 between them.
TEST(ExtendedChinese, Ranges) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"在 512 到 4096 之間", {{"512 到 4096", "512 to 4096"}}, {{"512", "512"}, {"4096", "4096"}}},
      {"1 至 2 位數", {{"1 至 2", "1 to 2"}}, {{"1", "1"}, {"2", "2"}}},
      {"1.5 到 2.5 倍", {{"1.5 到 2.5", "1.5 to 2.5"}}, {{"1.5", "1.5"}, {"2.5", "2.5"}}},
      {"从 三 到 五 个", {{"三 到 五", "three to five"}}, {{"三", "three"}, {"五", "five"}}},
      {"- 1 到 5", {{"1 到 5", "1 to 5"}}, {{"1", "1"}, {"5", "5"}}},
      // Dates, ordinals and section numbers make no range; nor does a number with another word.
      {"5 月 到 6 月", {{"5 月", "May"}, {"6 月", "June"}}, {{"5 月", " May"}, {"6 月", " June"}}},
      {"第 1 到 第 5 章", {{"第 1", "1st"}, {"第 5", "5th"}}, {{"第 1", "1st"}, {"第 5", "5th"}}},
      {"9.6 . 3 到 9.6 . 5", {}, {{"9.6 . 3", "9.6 . 3"}, {"9.6 . 5", "9.6 . 5"}}},
      {"一 到 家", {{"一", "one"}}, {{"一", "one"}}},
  });
}

// Approximations: 多, 余, 几, 来 after a magnitude; bounds with 以上 and 多于.
TEST(ExtendedChinese, Approximations) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"有 十多万 人", {{"十多万", "more than one hundred thousand"}}, {}},
      {"三百余 家", {{"三百余", "more than three hundred"}}, {}},
      {"三十多个", {{"三十多个", "more than thirty"}}, {}},
      {"二十几 岁", {{"二十几", "twenty-odd"}}, {}},
      {"十几万", {{"十几万", "more than one hundred thousand"}}, {}},
      {"十来个 人", {{"十来个", "about ten"}}, {}},
      {"两个 以上 的", {{"两个 以上", "two or more"}}, {}},
      {"18 以上", {{"18 以上", "18 or more"}}, {{"18", "18"}}},
      {"多于 一个 词", {{"多于 一个", "more than one"}}, {}},
      {"少于 127", {{"少于 127", "less than 127"}}, {{"127", "127"}}},
      // 多 after a numeral without a magnitude, a bound that is "the above", a decimal.
      {"一多半", {}, {{"半", "half"}}},
      {"十多年来", {}, {}},
      {"以上 三个 选项", {{"三个", "three"}}, {}},
      {"3.5 以上", {{"3.5", "3.5"}}, {{"3.5", "3.5"}}},
      {"二十多 到 三十", {{"二十多", "more than twenty"}, {"三十", "thirty"}}, {{"三十", "thirty"}}},
  });
}

// A few, several: 几 and 好几 with a measure word, not in a question.
TEST(ExtendedChinese, AFew) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"否则 ， 几条 杂感", {{"几条", "a few"}}, {}},
      {"有 好几个 指示器", {{"好几个", "several"}}, {}},
      {"设置 幾個 選項", {{"幾個", "a few"}}, {}},
      {"茴字 有 几种 写法 ？", {}, {}},
      {"数组 几何 几乎", {}, {}},
  });
}

// Digits stay digits: a date with hyphens without the segmenter's blanks, a
// quantity with a unit in Latin letters; not a code with letters after digits.
TEST(ExtendedChinese, DigitForms) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"发布 于 2013 - 03 - 03 。", {{"2013 - 03 - 03", "2013-03-03"}}, {{"2013 - 03 - 03", "2013 - 03 - 03"}}},
      {"2013 - 13 - 03", {{"2013 - 13 - 03", "2013 - 13 - 03"}}, {{"2013 - 13 - 03", "2013 - 13 - 03"}}},
      {"扩展 到 30GiB ：", {{"30GiB", "30GiB"}}, {}},
      {"512MB 内存", {{"512MB", "512MB"}}, {}},
      {"8.5tcl 和 5G", {}, {}},
      // full-width digits are written as the ASCII digits they read as; a
      // number whose reading keeps a full-width sign stays as written
      {"共 １６ 人", {{"１６", "16"}}, {}},
      {"共 ４，５６５ 人", {{"４，５６５", "４，５６５"}}, {}},
      // digits that count a magnitude after an approximation are no number alone
      {"500余万 人", {}, {{"500", "500"}}},
      {"500 余万 人", {}, {{"500", "500"}}},
      {"500余 人", {{"500", "500"}}, {{"500", "500"}}},
  });
}

// Fractions and percentages with digits, mixed numbers, percentage points.
TEST(ExtendedChinese, FractionsAndPercentagePoints) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"六个百分点", {{"六个百分点", "six percentage points"}}, {}},
      {"12.56个百分点", {{"12.56个百分点", "12.56 percentage points"}}, {{"12.56", "12.56"}}},
      {"0.5 个百分点", {{"0.5 个百分点", "0.5 percentage points"}}, {{"0.5", "0.5"}}},
      {"增长 了 一个百分点", {{"一个百分点", "one percentage point"}}, {}},
      {"百分之3.2", {{"百分之3.2", "3.2%"}}, {{"3.2", "3.2"}}},
      {"三又五分之一", {{"三又五分之一", "three and one fifth"}}, {{"五分之一", "one fifth"}}},
      {"一百分之2", {{"一百分之2", "two hundredths"}}, {{"2", "2"}}},
      {"１６分之5", {{"１６分之5", "five sixteenths"}}, {{"5", "5"}}},
      {"3/4", {{"3/4", "three quarters"}}, {{"3/4", "3/4"}}},
      {"３／５", {{"３／５", "three fifths"}}, {}},
      // A date, a ratio above one, a percentage over a fraction are no fractions.
      {"2004/5/1", {{"2004/5/1", "2004/5/1"}}, {{"2004/5/1", "2004/5/1"}}},
      {"24/7", {{"24/7", "24/7"}}, {{"24/7", "24/7"}}},
      {"5%分之3", {{"5%", "5%"}, {"3", "3"}}, {{"5%", "5%"}, {"3", "3"}}},
  });
}

// Tenths with a digit after them; discounts with 折 where the line speaks of a
// price, not a turn or a fold.
TEST(ExtendedChinese, TenthsAndDiscounts) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"七成六", {{"七成六", "seventy-six percent"}}, {{"七成", "seventy percent"}, {"六", "six"}}},
      {"三成半", {{"三成半", "thirty-five percent"}}, {{"三成", "thirty percent"}, {"半", "half"}}},
      {"七成", {{"七成", "seventy percent"}}, {{"七成", "seventy percent"}}},
      {"打 九折 出售", {{"九折", "10% off"}}, {}},
      {"打八折", {{"八折", "20% off"}}, {}},
      {"全场 商品 八五折", {{"八五折", "15% off"}}, {{"八五", "eight five"}}},
      {"原价 100 元 ， 现 75折", {{"100", "100"}, {"75折", "25% off"}}, {{"100", "100"}, {"75", "75"}}},
      {"百步 九折 萦岩峦 。", {{"百步", "one hundred"}}, {}},
      {"一波三折", {}, {}},
      {"三折叠 屏幕 价格", {}, {}},
  });
}

// Other words of the era, and decades.
TEST(ExtendedChinese, ErasAndDecades) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"纪元前221年", {{"纪元前221年", "221 B.C."}}, {{"221年", "  221"}}},
      {"西元前 700 年", {{"西元前 700 年", "700 B.C."}}, {{"700 年", "  700"}}},
      {"公元前221年", {{"公元前221年", "221 B.C."}}, {{"公元前221年", "  221 B.C."}}},
      {"80 年代", {{"80 年代", "the 80s"}}, {{"80", "80"}}},
      {"1980年代", {{"1980年代", "the 1980s"}}, {{"1980", "1980"}}},
      {"九十年代", {{"九十年代", "the nineties"}}, {}},
      // Not a multiple of ten, no count, another word.
      {"85 年代", {{"85", "85"}}, {{"85", "85"}}},
      {"年代 久远", {}, {}},
      {"十年代", {}, {}},
  });
}

// Big magnitudes, digits with magnitudes, decimals of ten thousands;
// abbreviated numerals and a dozen.
TEST(ExtendedChinese, MagnitudesAndAbbreviations) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"二十万亿", {{"二十万亿", "twenty trillion"}}, {}},
      {"一百万亿", {{"一百万亿", "one hundred trillion"}}, {}},
      {"3万4000", {{"3万4000", "thirty-four thousand"}}, {{"3万", "thirty thousand"}, {"4000", "4000"}}},
      {"12万3456", {{"12万3456", "one hundred and twenty-three thousand four hundred and fifty-six"}},
       {{"12万", "one hundred and twenty thousand"}, {"3456", "3456"}}},
      {"1千零1", {{"1千零1", "one thousand one"}}, {{"1千", "one thousand"}}},
      {"四万点六", {{"四万点六", "40000.6"}}, {{"四万点六", ""}}},
      {"百三", {{"百三", "one hundred and thirty"}}, {{"三", "three"}}},
      {"千五 人", {{"千五", "one thousand five hundred"}}, {{"五", "five"}}},
      {"积金 千两 ，", {{"千两", "one thousand"}}, {{"两", "two"}}},
      {"年过半百", {{"半百", "fifty"}}, {{"半百", ""}}},
      {"一打 鸡蛋", {{"一打", "a dozen"}}, {}},
      // Digits that do not fill the magnitude, 万一 "in case", the poets' 百二, 一 ... 就.
      {"3万40", {{"3万", "thirty thousand"}, {"40", "40"}}, {{"3万", "thirty thousand"}, {"40", "40"}}},
      {"3万 4000", {{"3万", "thirty thousand"}, {"4000", "4000"}}, {{"3万", "thirty thousand"}, {"4000", "4000"}}},
      {"万一 出错", {}, {}},
      {"百二 秦关", {{"二", "two"}}, {{"二", "two"}}},
      {"好鼓 一打 就响 ，", {}, {}},
      {"八打 雁", {}, {}},
  });
}

// Words a numeral belongs to without counting anything: a rank (上 一级
// "the parent level"), a degree (三次 "cubic"), an adverb or conjunction of 一.
TEST(ExtendedChinese, NoCount) {
  test::checkRows(Direction::ChineseToEnglish, {
      {"切换 到 上 一级 目录", {}, {}},
      {"为 二级 截图", {}, {}},
      {"使用 三次 贝塞尔 曲线", {}, {}},
      {"解 二次 方程", {}, {}},
      {"2 的 九次 方", {{"2", "2"}}, {{"2", "2"}}},
      {"执行 三次 操作", {{"三次", "three"}}, {}},
      {"两次 函数调用", {{"两次", "two"}}, {}},
      {"也就是说 ， 一 但", {}, {{"一", "one"}}},
      {"一 些 用户", {}, {{"一", "one"}}},
      {"其中 的 一 臺 主機", {{"一", "one"}}, {{"一", "one"}}},
      {"读入 一 整行", {{"一", "one"}}, {{"一", "one"}}},
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
