// The public header as a program that links the library uses it.
#include <gtest/gtest.h>

#include <algorithm>
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
  } cases[] = {
      {C2E, "会议 于 三点 开始", {{"三点", "three o'clock"}}},
      {C2E, "2004年5月1日 和 2004年5月1日", {{"2004年5月1日", "1st May 2004"}}},
      {E2C, "We meet at half past five .", {{"half past five", "五点 半"}}},
      {E2C, "ten to five", {{"ten to five", "十 到 五"}, {"ten to five", "差 十分 五点", true}}},
      {E2C, "", {}},
  };
  for (const auto& c : cases) {
    Extractor extractor(c.direction);
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
  } cases[] = {
      {C2E, "会议 于 三点 开始", {{8, 12, "Clock", "三点", "three o'clock", std::nullopt}}},
      {C2E,
       "三 百 人 第 三 , 1，000 人",
       {{0, 5, "Number", "三 百", "three hundred", std::nullopt},
        {9, 14, "Ordinal", "第 三", "third", std::nullopt},
        {17, 23, "Arabic", "1，000", "1，000", std::nullopt}}},
      {E2C,
       "It is ten to five on May 5 , 2004 .",
       {{6, 17, "FigureOrClock", "ten to five", "十 到 五", std::string("差 十分 五点")},
        {21, 33, "MonthDate", "May 5 , 2004", "2004年5月5日", std::nullopt}}},
      // Repeats are entities every time: the registry plays no part.
      {E2C, "3 and 3", {{0, 1, "Arabic", "3", "3", std::nullopt}, {6, 7, "Arabic", "3", "3", std::nullopt}}},
  };
  for (const auto& c : cases) {
    Extractor extractor(c.direction);
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

TEST(Extractor, EmptyAndHostileLines) {
  std::vector<std::string> lines = {"", "\xff", "\x81", "3\xa3", std::string("\0\0三点\0", 8), "\r", "ten to\x80 five"};
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  lines.push_back(all);
  for (Direction direction : {C2E, E2C}) {
    Extractor extractor(direction);
    for (const std::string& line : lines) {
      std::vector<Pair> found;
      extractor.collect(line, found);
      for (const Pair& p : extractor.pairs(line)) EXPECT_NE(p.translation, "");
      std::size_t end = 0;
      for (const Entity& e : extractor.entities(line)) {
        EXPECT_LE(end, e.start);
        EXPECT_LT(e.start, e.end);
        ASSERT_LE(e.end, line.size());
        EXPECT_EQ(line.substr(e.start, e.end - e.start), e.text);
        end = e.end;
      }
      for (Rendering r : {Rendering::Tags, Rendering::Html, Rendering::TranslatedTags, Rendering::TranslatedHtml,
                          Rendering::PairsHtml})
        extractor.render(line, r);
    }
  }
}

}  // namespace
}  // namespace vestrilo
