// vestrilo -C2E over a generated corpus of 100,000 lines: word-segmented
// sentences built from entity pieces, the same pieces run together, and raw
// bytes. The run must end normally, and its output must be a list of distinct,
// well-formed pairs. Built with the sanitizers, this is the check that no
// input reads outside a string.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// Entity pieces, unit words, look-alikes and plain words.
const std::vector<std::string> kWords = {
    "三", "十", "百", "千", "万", "亿", "零", "两", "半", "一", "二十五", "三百零五", "十七八", "三四百",
    "五六十万", "三 百", "一九九八", "二零零八", "三零二", "八六", "一二三四五六七八九十", "十百千万亿",
    "第", "第三", "第二十一", "第12", "第一千零一", "星期", "星期三", "星期天", "周日", "每周五", "每星期",
    "年", "月", "月份", "日", "号", "2004年", "5月", "1日", "八月", "十五日", "三十二日", "公元", "前",
    "公元前", "公元前221年", "二零零八年八月八日", "5号6号7号", "点", "点钟", "时", "分", "刻", "三点",
    "十二时", "半", "一刻", "三刻", "零五分", "十分", "25点", "三点二十", "三点零五", "三点五", "二十五点五",
    "百分之", "分之", "百分之五十", "百分之三点五", "三分之二", "千分之五", "三十分之十一", "成", "七八成",
    "3成", "3", "25%", "3.14", "1，000", "10：30", "1,200", "3-5万", "1.5亿", "5万", "3千5百亿", "5万3千",
    "2004/5/1", "9999999999999999999", "0", "00", "MP3", "GDP", "，", "。", "：", ".", ",", "-", "/", ":",
    "+", "%", "会议", "开始", "今天", "是", "的", "人", "学生", "统一", "三个", "一些", "点心", "心", "个",
    "部分之", "万岁", "百姓", "千万", "亿万"};

// The byte gaps between words: mostly one space, sometimes none or others.
const std::vector<std::string> kGaps = {" ", " ", " ", " ", " ", "", "  ", "\t", " \r "};

std::string randomBytes(std::mt19937& rng, std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) {
    char c = static_cast<char>(rng() % 256);
    if (c == '\n') c = ' ';
    s += c;
  }
  return s;
}

std::string corpus(std::size_t lines) {
  std::mt19937 rng(20080808u);
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    const unsigned form = rng() % 10;
    std::string line;
    if (form < 6) {
      const std::size_t n = 1 + rng() % 10;
      for (std::size_t k = 0; k < n; ++k) {
        if (k) line += kGaps[rng() % kGaps.size()];
        line += kWords[rng() % kWords.size()];
      }
    } else if (form < 8) {
      const std::size_t n = 1 + rng() % 6;
      for (std::size_t k = 0; k < n; ++k) line += kWords[rng() % kWords.size()];
    } else if (form < 9) {
      line = randomBytes(rng, rng() % 40);
    } else {
      // A word run ending in a lead byte without its second byte.
      line = kWords[rng() % kWords.size()] + " " + kWords[rng() % kWords.size()];
      line += static_cast<char>(0x81 + rng() % 0x7E);
    }
    if (rng() % 8 == 0) line += '\r';
    text += line;
    text += '\n';
  }
  return text;
}

TEST(ChineseToEnglishCorpus, HundredThousandLinesRunCleanly) {
  TempDir dir;
  const std::string in = dir.file("corpus.txt"), out = dir.file("out.txt");
  writeFile(in, corpus(100000));
  const test::RunResult r = test::runVestrilo({"-C2E", in, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("\nProcessing Line 100000"), std::string::npos);

  const std::string output = readFile(out);
  ASSERT_FALSE(output.empty());
  ASSERT_EQ(output.back(), '\n');
  std::set<std::string> seen;
  std::size_t begin = 0;
  while (begin < output.size()) {
    const std::size_t end = output.find('\n', begin);
    const std::string line = output.substr(begin, end - begin);
    begin = end + 1;
    const std::size_t bar = line.find(" ||| ");
    ASSERT_NE(bar, std::string::npos) << line;
    const std::string source = line.substr(0, bar), translation = line.substr(bar + 5);
    EXPECT_FALSE(source.empty()) << line;
    EXPECT_FALSE(translation.empty()) << line;
    EXPECT_TRUE(seen.insert(line).second) << "written twice: " << line;
    // An Arabic number is its own translation; every other translation is
    // English, so a Chinese byte in it means a translator copied its input.
    if (translation != source) {
      for (char c : translation)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << line;
    }
  }
}

}  // namespace
}  // namespace vestrilo
