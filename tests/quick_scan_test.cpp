// The quick scan that lets a line skip the stages: it may clear a line only
// when the full stages find no entity in it. Checked line by line against the
// full stages on the generated corpora, the examples, random bytes and random
// lines made of everything an entity is built from except the characters and
// words the scan looks for.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/CorpusGenerator.h"
#include "chinese/ChineseSentence.h"
#include "chinese/ChineseStyle.h"
#include "core/SentenceOutput.h"
#include "core/Utf8Gbk.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"
#include "tests/TestSupport.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

bool isChinese(Direction d) { return d == Direction::ChineseToEnglish; }

bool mayHold(Direction d, std::string_view line) {
  return isChinese(d) ? ChineseSentence::mayHoldEntity(line) : EnglishSentence::mayHoldEntity(line);
}

// The pairs of the line through every stage, without the scan.
std::vector<Pair> fullStages(Direction d, std::string_view line) {
  std::vector<Pair> out;
  if (isChinese(d)) {
    ChineseSentence s;
    s.assign(line);
    s.runStages();
    translationPairs(s, out);
  } else {
    EnglishSentence s;
    s.assign(line);
    s.runStages();
    translationPairs(s, out);
  }
  return out;
}

struct Case {
  Direction direction;
  std::string line;
  bool mayHold;
};

constexpr Direction C2E = Direction::ChineseToEnglish;
constexpr Direction E2C = Direction::EnglishToChinese;

TEST(QuickScan, ClearsOnlyLinesWithoutEntityMaterial) {
  const Case cases[] = {
      // Chinese: plain words, unit words without a number, Latin, punctuation.
      {C2E, "", false},
      {C2E, "会议 于 下午 开始 。", false},
      {C2E, "年 月 日 点 分 第 公元 前 成 分之", false},
      {C2E, "ABC def , . ； ：", false},
      // Each kind of character an entity needs.
      {C2E, "会议 于 3 开始", true},
      {C2E, "会议 于 三 开始", true},
      {C2E, "会议 于 半 开始", true},
      {C2E, "百分之 百", true},
      {C2E, "十分", true},
      {C2E, "万", true},
      {C2E, "星期 天", true},
      {C2E, "周日", true},
      // The scan reads characters as the tokenizer does: 三's bytes across a
      // character boundary are not 三 (0xC8FD inside 0xB0C8 0xFDB0).
      {C2E, "\xB0\xC8\xFD\xB0", false},
      {C2E, "\xC8", false},  // a last lead byte alone
      // English: no digit and no class word.
      {E2C, "", false},
      {E2C, "We meet at half past noon .", false},
      {E2C, "a quarter to a.m. b.c. o'clock percent % from and point", false},
      {E2C, "Someone oneself twentyish", false},
      // Digits, and a class word in any case, alone or inside a token.
      {E2C, "page 3", true},
      {E2C, "it is Ten", true},
      {E2C, "twenty-fifth", true},
      {E2C, "(May)", true},
      {E2C, "first", true},
      {E2C, "HUNDRED", true},
      {E2C, "friday's", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(mayHold(c.direction, c.line), c.mayHold) << (isChinese(c.direction) ? "-C2E " : "-E2C ") << c.line;
}

// Random lines of the pieces that surround entities (unit words, context words,
// punctuation, Latin, broken characters), with a character or word the scan
// looks for only now and then, so that many lines are cleared.
std::string nearMissLine(Direction d, std::mt19937& rng) {
  static const std::vector<std::string> chinese = {
      "年", "月", "月份", "日", "号", "点", "时", "刻", "分", "点钟", "第", "天", "成", "分之", "公元", "前", "公元前",
      "每", "期", "个", "的", "会议", "开始", "。", "，", "：", ".", "%", "/", "-", "MP", "abc", " ", "  ", "\r",
      "\xC8", "\xB0\xC8", "\xFD\xB0", "\x80", "\xFF\xFF"};
  static const std::vector<std::string> english = {
      "at", "around", "before", "after", "past", "to", "of", "from", "and", "a", "quarter", "half", "percent",
      "%", "point", "o", "o'clock", "a.m", "p.m.", "b.c.", "a.d", "ad", "bc", ".", ",", "-", "the", "Someone",
      "oneself", "tenth-rate", "twentyish", "th", "st", "<", "><", ">", "\xB6\xFE", "\t", "  ", " "};
  static const std::vector<std::string> chineseTriggers = {"三", "十", "百", "周", "星期", "5", "一", "半"};
  static const std::vector<std::string> englishTriggers = {"five", "twenty", "hundred", "first", "may", "5",
                                                           "monday", "Ten"};
  const auto& pieces = isChinese(d) ? chinese : english;
  const auto& triggers = isChinese(d) ? chineseTriggers : englishTriggers;
  std::string line;
  const std::size_t words = 1 + rng() % 12;
  for (std::size_t i = 0; i < words; ++i) {
    const bool trigger = rng() % 40 == 0;
    line += trigger ? triggers[rng() % triggers.size()] : pieces[rng() % pieces.size()];
    if (rng() % 4 != 0) line += ' ';
  }
  return line;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) lf = text.size();
    lines.push_back(text.substr(pos, lf - pos));
    pos = lf + 1;
  }
  return lines;
}

// Every line: the extractor (which uses the scan) gives exactly the pairs of
// the full stages, and a cleared line has none there. Returns the lines cleared.
std::size_t compareWithFullStages(Direction d, const std::vector<std::string>& lines, const char* what) {
  Extractor extractor(d, Options{Encoding::GBK});
  std::size_t cleared = 0;
  for (const std::string& line : lines) {
    const std::vector<Pair> full = fullStages(d, line);
    std::vector<Pair> fast;
    extractor.collect(line, fast);
    bool same = full.size() == fast.size();
    for (std::size_t i = 0; same && i < full.size(); ++i)
      same = full[i].source == fast[i].source && full[i].translation == fast[i].translation &&
             full[i].candidate == fast[i].candidate;
    EXPECT_TRUE(same) << what << ": the pairs differ with the quick scan on: " << line;
    if (!mayHold(d, line)) {
      ++cleared;
      EXPECT_TRUE(full.empty()) << what << ": a cleared line holds an entity: " << line;
    }
  }
  return cleared;
}

TEST(QuickScan, ClearedLinesHoldNoEntityInTheFullStages) {
  for (Direction d : {C2E, E2C}) {
    const auto language = isChinese(d) ? bench::Language::Chinese : bench::Language::English;
    const std::string side = isChinese(d) ? "-C2E " : "-E2C ";

    const std::size_t corpus =
        compareWithFullStages(d, splitLines(bench::generateCorpus(language, 2004, 512 * 1024)), "corpus");
    EXPECT_GT(corpus, 0u) << side << "the plain sentences of the corpus must be cleared";
    compareWithFullStages(d, splitLines(bench::generateCorpus(language, 2005, 256 * 1024, true)), "dense corpus");
    for (const char* example : {"/examples/chinese.txt", "/examples/english.txt"})
      compareWithFullStages(d, splitLines(test::readFile(std::string(VESTRILO_SOURCE_DIR) + example)), example);

    std::mt19937 rng(isChinese(d) ? 17u : 71u);
    std::vector<std::string> random, nearMiss;
    for (int i = 0; i < 3000; ++i) {
      std::string bytes(rng() % 40, '\0');
      for (char& c : bytes) c = static_cast<char>(rng());
      random.push_back(bytes);
    }
    for (int i = 0; i < 30000; ++i) nearMiss.push_back(nearMissLine(d, rng));
    compareWithFullStages(d, random, "random bytes");
    const std::size_t cleared = compareWithFullStages(d, nearMiss, "near-miss line");
    EXPECT_GT(cleared, nearMiss.size() / 4) << side << "most near-miss lines must be cleared";
    EXPECT_LT(cleared, nearMiss.size()) << side << "some near-miss lines hold what the scan looks for";
  }
}

// The UTF-8 scan gives, without converting, the answer of the scan of the
// converted line: on random bytes, on near-miss lines and corpus lines in UTF-8,
// and on UTF-8 broken inside and around the characters the scan looks for.
TEST(QuickScan, Utf8ScanAnswersForTheConvertedLine) {
  std::mt19937 rng(29);
  std::vector<std::string> lines;
  for (int i = 0; i < 3000; ++i) {
    std::string bytes(rng() % 40, '\0');
    for (char& c : bytes) c = static_cast<char>(rng());
    lines.push_back(bytes);
  }
  for (const std::string& gbk : splitLines(bench::generateCorpus(bench::Language::Chinese, 2006, 64 * 1024)))
    lines.push_back(toUtf8(gbk, Encoding::GBK));
  for (int i = 0; i < 3000; ++i) lines.push_back(toUtf8(nearMissLine(C2E, rng), Encoding::GBK));
  const std::string three = u8"三";  // E4 B8 89
  for (const std::string& broken : std::vector<std::string>{three.substr(0, 2), three.substr(1), "\xE0" + three, three + "\x80",
                                                             "\xED\xA0\x80", "\xE0\x80\x80", std::string(u8"星期") + "\xF0"})
    lines.push_back(broken);
  std::size_t cleared = 0;
  std::string converted;
  std::vector<std::uint32_t> positions;
  for (const std::string& line : lines) {
    utf8::toGbk(line, converted, positions);
    EXPECT_EQ(ChineseSentence::mayHoldEntityUtf8(line), ChineseSentence::mayHoldEntity(converted)) << line;
    cleared += !ChineseSentence::mayHoldEntityUtf8(line);
  }
  EXPECT_GT(cleared, 1000u);
  EXPECT_LT(cleared, lines.size());
}

}  // namespace
}  // namespace vestrilo
