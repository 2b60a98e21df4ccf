// The public header as a program that links the library uses it. Literals:
// "..." is GBK here, u8"..." UTF-8 (for extractors in UTF-8 mode).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/TestSupport.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

constexpr Direction C2E = Direction::ChineseToEnglish;

}  // namespace

// Pairs as gtest shows them in a failure.
void PrintTo(const Pair& p, std::ostream* os) {
  *os << "{\"" << p.source << "\", \"" << p.translation << "\"" << (p.candidate ? ", candidate}" : "}");
}

namespace {

constexpr Direction E2C = Direction::EnglishToChinese;
constexpr Encoding GBK = Encoding::GBK;
constexpr Encoding UTF8 = Encoding::UTF8;

// A copy of the line in a buffer of exactly its size, so that under
// AddressSanitizer a read past its last byte is caught (a std::string always
// has its terminating NUL behind the last byte).
class ExactLine {
 public:
  explicit ExactLine(std::string_view line) : bytes_(new char[line.size() + (line.empty() ? 1 : 0)]), size_(line.size()) {
    std::copy(line.begin(), line.end(), bytes_.get());
  }
  operator std::string_view() const { return std::string_view(bytes_.get(), size_); }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_;
};

std::vector<std::string> exampleLines(Direction direction) {
  const std::string text = test::readFile(std::string(VESTRILO_SOURCE_DIR) +
                                          (direction == C2E ? "/examples/chinese.txt" : "/examples/english.txt"));
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t lf; (lf = text.find('\n', from)) != std::string::npos; from = lf + 1)
    lines.push_back(text.substr(from, lf - from));
  return lines;
}

TEST(Extractor, PairsOfALineAndOfItsRepeat) {
  const struct {
    Direction direction;
    const char* line;
    std::vector<Pair> pairs;
    Encoding encoding = GBK;
  } cases[] = {
      {C2E, "会议 于 三点 开始", {{"三点", "three o'clock"}}},
      {C2E, "2004年5月1日 和 2004年5月1日", {{"2004年5月1日", "1st May 2004"}}},
      {E2C, "We meet at half past five .", {{"half past five", "五点 半"}}},
      {E2C, "ten to five", {{"ten to five", "十 到 五"}, {"ten to five", "差 十分 五点", true}}},
      {E2C, "", {}},
      {C2E, u8"会议 于 三点 开始", {{u8"三点", "three o'clock"}}, UTF8},
      // An Arabic number is its own translation: the line's bytes again.
      {C2E, u8"有 1，000 人", {{u8"1，000", u8"1，000"}}, UTF8},
      {E2C, u8"ten to five 😀", {{"ten to five", u8"十 到 五"}, {"ten to five", u8"差 十分 五点", true}}, UTF8},
      // The registry compares what is written: both emoji read as the stand-in,
      // but the two sources differ.
      {C2E, u8"，1万百😀 ，1万百🎉 ，1万百😀", {{u8"1万百😀", "ten thousand"}, {u8"1万百🎉", "ten thousand"}}, UTF8},
  };
  for (const auto& c : cases) {
    Extractor extractor(c.direction, Options{c.encoding});
    EXPECT_EQ(extractor.pairs(c.line), c.pairs) << c.line;
    EXPECT_EQ(extractor.pairs(c.line), std::vector<Pair>{}) << "a repeat gives nothing: " << c.line;
    EXPECT_EQ(extractor.registry().size(), c.pairs.size()) << c.line;
    extractor.reset();
    EXPECT_EQ(extractor.pairs(c.line), c.pairs) << "after reset: " << c.line;
  }
}

TEST(Extractor, ExtractorsAreIndependent) {
  Extractor first(C2E), second(C2E);
  EXPECT_EQ(first.pairs("三点").size(), 1u);
  EXPECT_EQ(second.pairs("三点").size(), 1u);
  Extractor moved = std::move(first);
  EXPECT_EQ(moved.pairs("三点").size(), 0u);  // the registry moves with the extractor
  EXPECT_EQ(moved.direction(), C2E);
}

TEST(Extractor, EntitiesCutTheirTextOutOfTheLine) {
  const struct {
    Direction direction;
    std::string line;
    std::vector<Entity> entities;  // start, end, kind, text, translation, candidate
    Encoding encoding = GBK;
  } cases[] = {
      {C2E, "会议 于 三点 开始", {{8, 12, EntityKind::Clock, "三点", "three o'clock", std::nullopt}}},
      {C2E,
       "三 百 人 第 三 , 1，000 人",
       {{0, 5, EntityKind::Number, "三 百", "three hundred", std::nullopt},
        {9, 14, EntityKind::Ordinal, "第 三", "third", std::nullopt},
        {17, 23, EntityKind::Arabic, "1，000", "1，000", std::nullopt}}},
      {E2C,
       "It is ten to five on May 5 , 2004 .",
       {{6, 17, EntityKind::FigureOrClock, "ten to five", "十 到 五", std::string("差 十分 五点")},
        {21, 33, EntityKind::MonthDate, "May 5 , 2004", "2004年5月5日", std::nullopt}}},
      // Repeats are entities every time: the registry plays no part.
      {E2C, "3 and 3", {{0, 1, EntityKind::Arabic, "3", "3", std::nullopt}, {6, 7, EntityKind::Arabic, "3", "3", std::nullopt}}},
      // UTF-8: byte offsets into the UTF-8 line, whatever it holds besides.
      {C2E,
       u8"😀3点 和 三😀四 , 2004年5月1日   100",
       {{4, 8, EntityKind::Clock, u8"3点", "three o'clock", std::nullopt},
        {20, 23, EntityKind::Number, u8"四", "four", std::nullopt},
        {26, 41, EntityKind::Date, u8"2004年5月1日", "1st May 2004", std::nullopt},
        {45, 48, EntityKind::Arabic, "100", "100", std::nullopt}},
       UTF8},
      {C2E, "\x80 " + std::string(u8"三点") + " \xE4\xB8", {{2, 8, EntityKind::Clock, u8"三点", "three o'clock", std::nullopt}},
       UTF8},
      {E2C,
       u8"It is ten to five 😀 on May 5, 2004 .",
       {{6, 17, EntityKind::FigureOrClock, "ten to five", u8"十 到 五", std::string(u8"差 十分 五点")},
        {26, 37, EntityKind::MonthDate, "May 5, 2004", u8"2004年5月5日", std::nullopt}},
       UTF8},
  };
  for (const auto& c : cases) {
    Extractor extractor(c.direction, Options{c.encoding});
    extractor.pairs(c.line);
    const std::vector<Entity> got = extractor.entities(c.line);
    ASSERT_EQ(got.size(), c.entities.size()) << c.line;
    for (std::size_t i = 0; i < got.size(); ++i) {
      const Entity& e = got[i];
      const Entity& want = c.entities[i];
      EXPECT_EQ(c.line.substr(e.start, e.end - e.start), e.text) << c.line;
      EXPECT_EQ(std::make_tuple(e.start, e.end, e.kind, e.text, e.translation, e.candidate),
                std::make_tuple(want.start, want.end, want.kind, want.text, want.translation, want.candidate))
          << c.line << " entity " << i;
    }
  }
}

// Lines collected out of order (as threads or machines would) and put back in
// input order give, through one registry, exactly what one extractor gives.
TEST(Registry, FiltersPairsGatheredElsewhereAsOneExtractorWould) {
  for (Direction direction : {C2E, E2C}) {
    std::vector<std::string> lines = exampleLines(direction);
    const std::vector<std::string> twice = lines;
    lines.insert(lines.end(), twice.begin(), twice.end());  // every pair also repeats in a later line
    Extractor single(direction);
    std::vector<Pair> expected;
    for (const std::string& line : lines) {
      const std::vector<Pair> p = single.pairs(line);
      expected.insert(expected.end(), p.begin(), p.end());
    }
    ASSERT_FALSE(expected.empty());

    std::vector<std::size_t> order(lines.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    std::vector<std::vector<Pair>> found(lines.size());
    Extractor worker(direction);
    for (std::size_t i : order) worker.collect(lines[i], found[i]);

    Registry registry;
    std::vector<Pair> written;
    for (const std::vector<Pair>& line : found) registry.admit(line, written);
    EXPECT_EQ(written, expected);
  }
}

// Blocks reduced on their own and admitted in order write what admitting every
// pair writes: random pair sequences over few texts (so that pairs repeat, second
// readings meet registered pairs and empty translations occur), cut at random.
TEST(Registry, ReducedBlocksAdmitLikeTheWholeSequence) {
  const char* texts[] = {"a", "b", "c", ""};
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 random(seed);
    auto pick = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    std::vector<std::vector<Pair>> lines(1 + pick(12));
    for (std::vector<Pair>& line : lines) {
      for (unsigned k = pick(5); k > 0; --k) {
        line.push_back(Pair{texts[pick(3)], texts[pick(4)], false});
        if (pick(3) == 0) line.push_back(Pair{line.back().source, texts[pick(4)], true});
      }
    }
    Registry whole;
    std::vector<Pair> expected;
    for (const std::vector<Pair>& line : lines) whole.admit(line, expected);

    Registry merged;
    std::vector<Pair> written;
    for (std::size_t first = 0; first < lines.size();) {
      const std::size_t last = std::min(lines.size(), first + 1 + pick(4));
      std::vector<Pair> block, reduced;
      for (std::size_t i = first; i < last; ++i) block.insert(block.end(), lines[i].begin(), lines[i].end());
      Registry::reduce(block, reduced);
      merged.admit(reduced, written);
      first = last;
    }
    ASSERT_EQ(written, expected) << "seed " << seed;
  }
}

bool wellFormed(const std::string& text) { return toUtf8(text, UTF8) == text; }

// Any bytes in either encoding: spans stay inside the line and cut their text
// out of it, nothing is read past the line's last byte, and in UTF-8 mode what
// the extractor makes of well-formed lines is well-formed.
TEST(Extractor, EmptyAndHostileLines) {
  std::vector<std::string> lines = {"", "\xff", "\x81", "3\xa3", std::string("\0\0三点\0", 8), "\r", "ten to\x80 five",
                                    // UTF-8 that is not: a lone continuation byte, a sequence cut at
                                    // the line end, an overlong form, a surrogate, 0xFF
                                    u8"三" + std::string("\x80") + u8" 3点", "ten to five \xE4\xB8", "3\xE4\xB8",
                                    "\xC0\xAF" + std::string(u8" 5点"), "\xED\xA0\x80" + std::string(u8"十"),
                                    "\xFF\xFE ten", u8"😀3点😀 😀ten to five😀", u8"3\u00A0点 \uFEFF五 € 5"};
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  lines.push_back(all);
  for (Encoding encoding : {GBK, UTF8}) {
    for (Direction direction : {C2E, E2C}) {
      Extractor extractor(direction, Options{encoding});
      for (const std::string& text : lines) {
        const ExactLine line(text);
        const bool checkUtf8 = encoding == UTF8 && wellFormed(text);
        std::vector<Pair> found;
        extractor.collect(line, found);
        for (const Pair& p : extractor.pairs(line)) {
          EXPECT_NE(p.translation, "");
          if (checkUtf8) {
            EXPECT_TRUE(wellFormed(p.source) && wellFormed(p.translation)) << text;
          }
        }
        std::size_t end = 0;
        for (const Entity& e : extractor.entities(line)) {
          EXPECT_LE(end, e.start);
          EXPECT_LT(e.start, e.end);
          ASSERT_LE(e.end, text.size());
          EXPECT_EQ(text.substr(e.start, e.end - e.start), e.text);
          end = e.end;
        }
        for (Rendering r : {Rendering::Tags, Rendering::Html, Rendering::TranslatedTags, Rendering::TranslatedHtml,
                            Rendering::PairsHtml}) {
          const std::string rendered = extractor.render(line, r);
          if (checkUtf8) {
            EXPECT_TRUE(wellFormed(rendered)) << text;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace vestrilo
