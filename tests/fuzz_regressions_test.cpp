// Inputs the fuzz targets found, replayed through the same target bodies and
// checks (fuzz/FuzzTargets.h) in the ordinary test build. Each file in
// fuzz/regressions/<target>/ is one saved input; dropping a new crash input
// there (after the fault is fixed) makes it a regression test. Every target
// keeps at least one (line-feed-inside-a-line: a line holding a line feed never
// comes from the driver, but the library must still take it, and its pairs may
// then span the line feed), so a replay that finds nothing is a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzTargets.h"
#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

struct CheckFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string escaped(std::string_view text) {
  std::string out;
  for (unsigned char c : text.substr(0, 200)) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      static const char hex[] = "0123456789ABCDEF";
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

[[noreturn]] void throwOnFailure(const std::string& what, std::string_view detail) {
  throw CheckFailed(what + (detail.empty() ? "" : " (text \"" + escaped(detail) + "\")"));
}

using Target = void (*)(const std::uint8_t*, std::size_t);

struct NamedTarget {
  const char* name;
  Target run;
};

const NamedTarget kTargets[] = {
    {"chinese_line", &fuzz::chineseLine},
    {"english_line", &fuzz::englishLine},
    {"chinese_functions", &fuzz::chineseFunctions},
    {"english_functions", &fuzz::englishFunctions},
    {"line_reader", &fuzz::lineReader},
};

// Runs bytes through target; a failed check comes back as the message.
std::string replay(Target target, const std::string& bytes) {
  fuzz::failureHook = &throwOnFailure;
  std::string failure;
  try {
    target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  } catch (const CheckFailed& e) {
    failure = e.what();
  }
  fuzz::failureHook = nullptr;
  return failure;
}

TEST(FuzzRegressions, SavedInputsPassTheirTarget) {
  namespace fs = std::filesystem;
  std::size_t replayed = 0;
  for (const NamedTarget& t : kTargets) {
    const fs::path dir = fs::path(VESTRILO_SOURCE_DIR) / "fuzz" / "regressions" / t.name;
    std::vector<fs::path> files;
    if (fs::is_directory(dir))
      for (const fs::directory_entry& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) files.push_back(e.path());
    EXPECT_FALSE(files.empty()) << t.name << ": no saved input in " << dir.string();
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      EXPECT_EQ(replay(t.run, test::readFile(file.string())), "") << t.name << ": " << file.filename().string();
      ++replayed;
    }
  }
  RecordProperty("replayed", static_cast<int>(replayed));
}

// The checks themselves must catch what they are for, or a clean fuzz run
// means nothing.
TEST(FuzzRegressions, ChecksRejectBrokenListings) {
  EXPECT_TRUE(fuzz::wellFormedListing(""));
  EXPECT_TRUE(fuzz::wellFormedListing("a ||| b\n"));
  EXPECT_FALSE(fuzz::wellFormedListing("a ||| b"));
  EXPECT_FALSE(fuzz::wellFormedListing("a ||| b\nc\n"));
  EXPECT_FALSE(fuzz::wellFormedListing("a |||b\n"));

  fuzz::failureHook = &throwOnFailure;
  const std::vector<Pair> pairs = {{"三点", "three o'clock", false}};
  EXPECT_THROW(fuzz::checkTranslationLine("x", "三点 ||| three o'clock\n", pairs, "三点 ||| three o'clock\n"),
               CheckFailed)
      << "a pair written twice must be caught";
  EXPECT_THROW(fuzz::checkTranslationLine("x", "", pairs, ""), CheckFailed)
      << "a listing that differs from the admitted pairs must be caught";
  EXPECT_NO_THROW(fuzz::checkTranslationLine("x", "三点 ||| three o'clock\n", pairs, ""));
  const EntityList<ChineseEntity> overlapping{{0, 4, ChineseEntityKind::Number}, {2, 2, ChineseEntityKind::Plain}};
  EXPECT_THROW(fuzz::checkRecords(overlapping, 4, "test"), CheckFailed);
  const EntityList<ChineseEntity> outside{{0, 5, ChineseEntityKind::Number}};
  EXPECT_THROW(fuzz::checkRecords(outside, 4, "test"), CheckFailed);
  fuzz::failureHook = nullptr;
}

}  // namespace
}  // namespace vestrilo
