// The public header as a program that links the library uses it. Literals:
// "..." is GBK here, u8"..." UTF-8 (for extractors in UTF-8 mode).
#include <gtest/gtest.h>

#include <sys/mman.h>

#include <algorithm>
#include <functional>
#include <set>
#include <thread>
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

// The library's callers hold UTF-8: that is what an extractor reads unless told otherwise.
TEST(Extractor, ReadsUtf8ByDefault) {
  Extractor extractor(C2E);
  EXPECT_EQ(extractor.options().encoding, UTF8);
  EXPECT_EQ(extractor.options().rules, Rules::Classic);
  EXPECT_EQ(extractor.pairs(u8"会议 于 三点 开始"), (std::vector<Pair>{{u8"三点", "three o'clock"}}));
  EXPECT_EQ(FileJob().options.encoding, UTF8);
  EXPECT_EQ(FileJob().options.rules, Rules::Classic);
}

TEST(Extractor, ExtractorsAreIndependent) {
  Extractor first(C2E, Options{GBK}), second(C2E, Options{GBK});
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
    Extractor single(direction, Options{GBK});
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
    Extractor worker(direction, Options{GBK});
    for (std::size_t i : order) worker.collect(lines[i], found[i]);

    Registry registry;
    std::vector<Pair> written;
    for (const std::vector<Pair>& line : found) registry.admit(line, written);
    EXPECT_EQ(written, expected);
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

// What a caller can see of an extractor: the pairs pairs() gives from now on.
std::vector<Pair> nextPairs(Extractor& extractor, const std::vector<std::string>& lines) {
  std::vector<Pair> out;
  for (const std::string& line : lines) extractor.pairs(line, out);
  return out;
}

// The read-only calls, made between the lines, change nothing pairs() gives
// afterwards, nor the registry; they give the same on every call.
TEST(Extractor, ReadOnlyCallsChangeNothingVisible) {
  for (Direction direction : {C2E, E2C}) {
    for (Encoding encoding : {GBK, UTF8}) {
      std::vector<std::string> lines = exampleLines(direction);
      if (encoding == UTF8)
        for (std::string& line : lines) line = toUtf8(line, GBK);
      Extractor reference(direction, Options{encoding});
      const std::vector<Pair> expected = nextPairs(reference, lines);
      ASSERT_FALSE(expected.empty());

      const std::function<std::string(const Extractor&, const std::string&)> calls[] = {
          [](const Extractor& x, const std::string& line) {
            std::vector<Pair> found;
            x.collect(line, found);
            return std::to_string(found.size());
          },
          [](const Extractor& x, const std::string& line) { return std::to_string(x.entities(line).size()); },
          [](const Extractor& x, const std::string& line) { return x.render(line, Rendering::Tags); },
          [](const Extractor& x, const std::string& line) { return x.render(line, Rendering::TranslatedHtml); },
          [](const Extractor& x, const std::string& line) { return x.render(line, Rendering::PairsHtml); },
          [](const Extractor& x, const std::string& line) {
            Registry other;
            return x.render(line, Rendering::PairsHtml, other);
          },
      };
      for (std::size_t k = 0; k < std::size(calls); ++k) {
        Extractor extractor(direction, Options{encoding});
        std::vector<std::string> first, again;
        for (const std::string& line : lines) first.push_back(calls[k](extractor, line));
        EXPECT_EQ(extractor.registry().size(), 0u) << "call " << k;
        for (const std::string& line : lines) again.push_back(calls[k](extractor, line));
        EXPECT_EQ(first, again) << "call " << k;
        EXPECT_EQ(nextPairs(extractor, lines), expected) << "call " << k;
      }
    }
  }
}

// The pair lines show what the registry given to them admits, and register it there.
TEST(Extractor, PairLinesWriteThroughTheRegistryGiven) {
  const Extractor extractor(E2C, Options{GBK});
  Registry registry;
  const std::string first = extractor.render("ten to five , 5", Rendering::PairsHtml, registry);
  EXPECT_EQ(first,
            "<b style=\"color:maroon\">ten to five ||| 十 到 五</b><br/>\n"
            "<b style=\"color:navy\">ten to five ||| 差 十分 五点</b><br/>\n"
            "<b style=\"color:teal\">5 ||| 5</b><br/>\n");
  EXPECT_EQ(registry.size(), 3u);
  EXPECT_EQ(extractor.render("ten to five , 5", Rendering::PairsHtml, registry), "");
  EXPECT_EQ(extractor.render("ten to five , 5", Rendering::PairsHtml), first) << "without a registry: every pair";
}

// One extractor shared by threads: each line's pairs are admitted whole, so
// the pairs written are those of one extractor given the lines in some order:
// every distinct pair of the lines once, each second reading right after its
// first pair. Collected pairs are those of a single thread.
TEST(Extractor, SharedByThreads) {
  for (Direction direction : {C2E, E2C}) {
    std::vector<std::string> lines;
    for (int copy = 0; copy < 20; ++copy)
      for (const std::string& line : exampleLines(direction)) lines.push_back(line);
    const Extractor single(direction, Options{GBK});
    std::vector<Pair> collected;
    for (const std::string& line : lines) single.collect(line, collected);

    Extractor shared(direction, Options{GBK});
    constexpr int kThreads = 4;
    std::vector<std::vector<Pair>> written(kThreads), found(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        for (std::size_t i = static_cast<std::size_t>(t); i < lines.size(); i += kThreads) shared.pairs(lines[i], written[t]);
        for (const std::string& line : lines) shared.collect(line, found[t]);
      });
    }
    for (std::thread& t : threads) t.join();
    std::multiset<std::pair<std::string, std::string>> all;
    for (const std::vector<Pair>& w : written) {
      for (std::size_t i = 0; i < w.size(); ++i) {
        if (!w[i].candidate) all.insert({w[i].source, w[i].translation});
        if (w[i].candidate) {
          EXPECT_TRUE(i > 0 && !w[i - 1].candidate && w[i - 1].source == w[i].source);
        }
      }
      EXPECT_EQ(found[&w - written.data()], collected);
    }
    std::set<std::pair<std::string, std::string>> distinct;
    for (const Pair& p : collected)
      if (!p.candidate && !p.translation.empty()) distinct.insert({p.source, p.translation});
    EXPECT_EQ(all.size(), distinct.size()) << "every pair once";
    const std::set<std::pair<std::string, std::string>> once(all.begin(), all.end());
    EXPECT_EQ(once, distinct);
  }
}

// An object that was moved from may be destroyed and assigned to.
TEST(MovedFrom, ObjectsMayBeAssignedToAndDestroyed) {
  Extractor extractor(E2C, Options{GBK});
  Extractor taken = std::move(extractor);
  extractor = Extractor(C2E, Options{GBK});
  EXPECT_EQ(extractor.pairs("三点").size(), 1u);
  EXPECT_EQ(taken.pairs("ten to five").size(), 2u);

  Registry registry;
  Registry other = std::move(registry);
  registry = Registry();
  EXPECT_EQ(registry.size(), 0u);

  test::TempDir dir;
  InputFile input;
  InputFile input2 = std::move(input);
  input = InputFile();
  EXPECT_EQ(input.open(dir.file("none"), GBK).code(), StatusCode::CannotOpenInput);
  OutputFile output;
  OutputFile output2 = std::move(output);
  output = OutputFile();
  EXPECT_TRUE(output.open(dir.file("out")).ok());
}

// Any other call is a precondition violation: debug builds stop at an
// assertion, release builds give empty results.
TEST(MovedFrom, OtherCallsStopInDebugBuildsAndGiveNothingInRelease) {
  const std::function<bool(Extractor&)> calls[] = {
      [](Extractor& x) { return x.pairs("三点").empty(); },
      [](Extractor& x) {
        std::vector<Pair> found;
        x.collect("三点", found);
        return found.empty();
      },
      [](Extractor& x) { return x.entities("三点").empty(); },
      [](Extractor& x) { return x.render("三点", Rendering::Tags).empty(); },
      [](Extractor& x) { return !x.ok() && x.status().code() == StatusCode::MovedFrom; },
      [](Extractor& x) { return x.registry().size() == 0; },
      [](Extractor& x) {
        x.reset();
        return true;
      },
      [](Extractor& x) {
        std::string block;
        return reduceBlock(x, "三点\n", true, block).code() == StatusCode::MovedFrom && block.empty();
      },
  };
  for (std::size_t k = 0; k < std::size(calls); ++k) {
    Extractor extractor(C2E, Options{GBK});
    Extractor taken = std::move(extractor);
    bool empty = false;
    EXPECT_DEBUG_DEATH(empty = calls[k](extractor), "moved-from") << "call " << k;
#ifdef NDEBUG
    EXPECT_TRUE(empty) << "call " << k;
#else
    (void)empty;
#endif
  }
  Registry registry;
  Registry taken = std::move(registry);
  std::vector<Pair> written;
  EXPECT_DEBUG_DEATH(registry.admit({Pair{"a", "b"}}, written), "moved-from");
  EXPECT_TRUE(written.empty());
  InputFile input;
  InputFile takenInput = std::move(input);
  LineBatch batch;
  EXPECT_DEBUG_DEATH(EXPECT_FALSE(input.next(batch)), "moved-from");
}

// A line longer than the limit gives nothing, without a byte of it read.
TEST(Extractor, LinesPastTheLimitGiveNothing) {
  const std::size_t size = kMaxLineBytes + 1;
  void* memory = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  ASSERT_NE(memory, MAP_FAILED);
  const std::string_view line(static_cast<const char*>(memory), size);  // any read of it faults
  for (Direction direction : {C2E, E2C}) {
    for (Encoding encoding : {GBK, UTF8}) {
      Extractor extractor(direction, Options{encoding});
      std::vector<Pair> found;
      extractor.collect(line, found);
      EXPECT_TRUE(found.empty());
      EXPECT_TRUE(extractor.pairs(line).empty());
      EXPECT_TRUE(extractor.entities(line).empty());
      EXPECT_EQ(extractor.render(line, Rendering::Html), "");
    }
  }
  munmap(memory, size);
}

// The kinds' names, as jsonl and the Python module show them, and every kind
// an extractor gives has one.
TEST(EntityKinds, NamesAreTheEnumerators) {
  const char* names[] = {"Number",  "Figure",    "Ordinal", "Week",  "Date", "Clock",      "Arabic",
                         "ArabicWithUnit", "Fractional", "MonthDate", "DayDate", "Units", "Tens", "WordNumber",
                         "Fraction", "ArabicMagnitude", "FigureOrClock", "ClockOrNumber"};
  ASSERT_EQ(std::size(names), static_cast<std::size_t>(kEntityKinds));
  for (int k = 0; k < kEntityKinds; ++k) EXPECT_EQ(kindName(static_cast<EntityKind>(k)), names[k]);
  EXPECT_EQ(kindName(static_cast<EntityKind>(kEntityKinds)), "");
}

TEST(Names, DirectionsEncodingsAndRenderings) {
  const struct {
    std::string_view name;
    bool asName, asOption;
    Direction direction;
  } directions[] = {
      {"C2E", true, false, C2E}, {"E2C", true, false, E2C}, {"-C2E", false, true, C2E}, {"-E2C", false, true, E2C},
      {"c2e", false, false, C2E}, {"--C2E", false, false, C2E}, {"C2E ", false, false, C2E}, {"", false, false, C2E},
      {"-", false, false, C2E},
  };
  for (const auto& d : directions) {
    Direction got = d.direction == C2E ? E2C : C2E;
    EXPECT_EQ(directionNamed(d.name, got), d.asName) << d.name;
    if (d.asName) {
      EXPECT_EQ(got, d.direction);
    }
    got = d.direction == C2E ? E2C : C2E;
    EXPECT_EQ(directionOption(d.name, got), d.asOption) << d.name;
    if (d.asOption) {
      EXPECT_EQ(got, d.direction);
    }
  }
  for (Direction d : {C2E, E2C}) {
    Direction back;
    ASSERT_TRUE(directionNamed(directionName(d), back));
    EXPECT_EQ(back, d);
  }
  for (Encoding e : {GBK, UTF8}) {
    Encoding back;
    ASSERT_TRUE(encodingNamed(encodingName(e), back));
    EXPECT_EQ(back, e);
  }
  for (Rules rules : {Rules::Classic, Rules::Extended}) {
    Rules back = rules == Rules::Classic ? Rules::Extended : Rules::Classic;
    ASSERT_TRUE(rulesNamed(rulesName(rules), back));
    EXPECT_EQ(back, rules);
  }
  for (const char* name : {"tags", "html", "translated-tags", "translated-html", "pairs-html"}) {
    Rendering r;
    EXPECT_TRUE(renderingNamed(name, r)) << name;
  }
  Rendering r;
  EXPECT_FALSE(renderingNamed("jsonl", r));
  EXPECT_FALSE(renderingNamed("Tags", r));
}

}  // namespace
}  // namespace vestrilo
