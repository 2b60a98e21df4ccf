// Runs the real binary on generated corpora with one and with several worker
// threads: the output file and the console text must be byte-identical.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/CorpusGenerator.h"
#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using bench::Language;
using test::readFile;
using test::RunResult;
using test::TempDir;
using test::writeFile;

constexpr std::size_t kMiB = std::size_t(1) << 20;

std::size_t countLines(const std::string& text) {
  std::size_t n = 0;
  for (char c : text) n += c == '\n';
  if (!text.empty() && text.back() != '\n') ++n;
  return n;
}

// About 10.5 MiB of generated sentences. The line loop reads batches of
// 1 MiB, so the file spans ten of them or more and with two or three
// threads batches really are processed side by side and must be put back in
// order. It also holds the awkward cases of batching: CR LF line ends with
// empty lines and lines of spaces, a line longer than a whole batch, and a
// last line without a line feed that ends in a lone lead byte.
std::string corpus(Language language) {
  std::string text = bench::generateCorpus(language, 20040501, 4 * kMiB + kMiB / 2);
  const std::string crlf = bench::generateCorpus(language, 20040502, 2 * kMiB);
  std::size_t lineNo = 0;
  for (char c : crlf) {
    if (c != '\n') {
      text += c;
      continue;
    }
    text += "\r\n";
    if (++lineNo % 97 == 0) text += "\n   \r\n";
  }
  std::string longLine = bench::generateCorpus(language, 20040503, 4 * kMiB + 4096, true);
  for (char& c : longLine)
    if (c == '\n') c = ' ';
  text += longLine;
  text.back() = '\n';
  text += bench::generateCorpus(language, 20040504, 64 * 1024);
  text.back() = ' ';  // no line feed at the end ...
  text += "\xB5";     // ... and a lead byte without its second byte
  return text;
}

struct Direction {
  const char* name;
  const char* option;
  Language language;
};

const Direction kDirections[] = {
    {"Chinese", "-C2E", Language::Chinese},
    {"English", "-E2C", Language::English},
};

class Threads : public testing::TestWithParam<Direction> {};

TEST_P(Threads, OutputAndConsoleMatchASingleThread) {
  const Direction& direction = GetParam();
  TempDir dir;
  const std::string input = dir.file("in.txt");
  const std::string text = corpus(direction.language);
  ASSERT_GT(text.size(), 2 * (4 * kMiB));
  writeFile(input, text);
  const std::size_t lines = countLines(text);

  const std::string referenceOut = dir.file("out-1.txt");
  const RunResult reference = test::runVestrilo({direction.option, input, referenceOut}, {"VESTRILO_THREADS=1"});
  ASSERT_EQ(reference.status, 0) << reference.err;
  EXPECT_EQ(reference.err, "");
  const std::string referencePairs = readFile(referenceOut);
  // The comparison means something only if the corpus yields pairs and every
  // line was counted.
  EXPECT_GT(countLines(referencePairs), 1000u);
  const std::string lastLine = "\nProcessing Line " + std::to_string(lines) + "\nOk! Job has been done!\n";
  ASSERT_GE(reference.out.size(), lastLine.size());
  EXPECT_EQ(reference.out.substr(reference.out.size() - lastLine.size()), lastLine);

  for (const char* threads : {"VESTRILO_THREADS=2", "VESTRILO_THREADS=3"}) {
    SCOPED_TRACE(threads);
    const std::string out = dir.file("out-n.txt");
    const RunResult r = test::runVestrilo({direction.option, input, out}, {threads});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, reference.err);
    // Whole-text comparisons would print megabytes on failure; compare sizes
    // first, then the bytes.
    EXPECT_EQ(r.out.size(), reference.out.size());
    EXPECT_TRUE(r.out == reference.out) << "console text differs";
    const std::string pairs = readFile(out);
    EXPECT_EQ(pairs.size(), referencePairs.size());
    EXPECT_TRUE(pairs == referencePairs) << "output file differs";
  }
}

INSTANTIATE_TEST_SUITE_P(Directions, Threads, testing::ValuesIn(kDirections),
                         [](const testing::TestParamInfo<Direction>& info) { return std::string(info.param.name); });

// The generator is what the benchmark measures; its output must not change
// with the platform or the build, or figures measured on different machines
// would not be comparable.
TEST(CorpusGenerator, IsDeterministicAndMixed) {
  for (Language language : {Language::Chinese, Language::English}) {
    const std::string a = bench::generateCorpus(language, 42, 256 * 1024);
    EXPECT_EQ(a, bench::generateCorpus(language, 42, 256 * 1024));
    EXPECT_NE(a, bench::generateCorpus(language, 43, 256 * 1024));
    ASSERT_EQ(a.back(), '\n');
    EXPECT_EQ(a.find('\r'), std::string::npos);
    // Digits, words and Chinese (on the Chinese side) all occur.
    EXPECT_NE(a.find_first_of("0123456789"), std::string::npos);
    if (language == Language::Chinese) {
      EXPECT_NE(a.find("星期"), std::string::npos);
      EXPECT_NE(a.find("分之"), std::string::npos);
      EXPECT_NE(a.find("第"), std::string::npos);
    } else {
      EXPECT_NE(a.find(" past "), std::string::npos);
      EXPECT_NE(a.find(" percent"), std::string::npos);
      EXPECT_NE(a.find("day"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace vestrilo
