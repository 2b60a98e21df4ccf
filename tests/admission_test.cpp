// The one rule that decides which pairs are written, through its three uses:
// one registry admitting every pair, blocks reduced apart and admitted in
// order (as bytes, the way the cluster mode sends them), and the file job with
// its batches and threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/Admission.h"
#include "engine/FileJob.h"
#include "tests/TestSupport.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

// A line of made-up pairs, written as the tokens "source=translation", a
// second reading with a leading "+" (an empty translation is "source=").
std::string lineOf(const std::vector<Pair>& pairs) {
  std::string line;
  for (const Pair& p : pairs) {
    if (!line.empty()) line += ' ';
    line += (p.candidate ? "+" : "") + p.source + "=" + p.translation;
  }
  return line;
}

// The job's collector for such lines: each token is a pair.
class TokenCollector final : public LineCollector {
 public:
  void collect(const std::vector<std::string_view>& lines, std::vector<Pair>& found,
               std::vector<std::size_t>& ends) const override {
    for (std::string_view line : lines) {
      for (std::size_t from = 0; from < line.size();) {
        std::size_t end = line.find(' ', from);
        if (end == std::string_view::npos) end = line.size();
        std::string_view token = line.substr(from, end - from);
        const bool candidate = !token.empty() && token[0] == '+';
        if (candidate) token.remove_prefix(1);
        const std::size_t eq = token.find('=');
        found.push_back(Pair{std::string(token.substr(0, eq)), std::string(token.substr(eq + 1)), candidate});
        from = end + 1;
      }
      ends.push_back(found.size());
    }
  }
};

std::string listing(const std::vector<Pair>& pairs) {
  std::string out;
  for (const Pair& p : pairs) appendPairLine(out, p.source, p.translation);
  return out;
}

// Random lines over few texts, so that pairs repeat, second readings meet
// registered pairs and empty translations occur. A second reading follows its
// first pair within a line, as the extractors give them.
std::vector<std::vector<Pair>> randomLines(std::mt19937& random, unsigned count) {
  const char* texts[] = {"a", "b", "c", ""};
  auto pick = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
  std::vector<std::vector<Pair>> lines(count);
  for (std::vector<Pair>& line : lines) {
    for (unsigned k = pick(5); k > 0; --k) {
      line.push_back(Pair{texts[pick(3)], texts[pick(4)], false});
      if (pick(3) == 0) line.push_back(Pair{line.back().source, texts[pick(4)], true});
    }
  }
  return lines;
}

TEST(AdmissionRule, EveryPathWritesWhatOneRegistryWrites) {
  test::TempDir dir;
  const TokenCollector collector;
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 random(seed);
    const std::vector<std::vector<Pair>> lines = randomLines(random, 1 + random() % 40);
    Registry whole;
    std::vector<Pair> expected;
    for (const std::vector<Pair>& line : lines) whole.admit(line, expected);

    // Blocks of lines cut at random, reduced apart and admitted in order, both
    // as pairs and as the bytes the cluster mode sends.
    Registry merged, fromBytes;
    std::vector<Pair> written;
    std::string bytesListing;
    for (std::size_t first = 0; first < lines.size();) {
      const std::size_t last = std::min(lines.size(), first + 1 + random() % 6);
      std::vector<Pair> block, reduced;
      for (std::size_t i = first; i < last; ++i) block.insert(block.end(), lines[i].begin(), lines[i].end());
      Registry::reduce(block, reduced);
      EXPECT_LE(reduced.size(), block.size() + block.size() / 2);
      merged.admit(reduced, written);
      std::string bytes = "VPB1";
      for (const Pair& p : reduced)
        bytes += std::string(1, p.candidate ? '\1' : '\0') + char(p.source.size()) + char(p.translation.size()) +
                 p.source + p.translation;
      ASSERT_TRUE(fromBytes.admitBlock(bytes, bytesListing).ok());
      first = last;
    }
    ASSERT_EQ(written, expected) << "seed " << seed;
    ASSERT_EQ(bytesListing, listing(expected)) << "seed " << seed;

    // The file job, with one thread and with three: batches of 1 MiB hold all
    // these lines, so the lines are also repeated in one long file below.
    std::string text;
    for (const std::vector<Pair>& line : lines) text += lineOf(line) + "\n";
    test::writeFile(dir.file("in.txt"), text);
    FileJob job;
    job.input = dir.file("in.txt");
    job.output = dir.file("out.txt");
    job.threads = 1 + seed % 3;
    ASSERT_TRUE(runFileJob(job, collector).ok());
    ASSERT_EQ(test::readFile(job.output), listing(expected)) << "seed " << seed;
  }
}

// Batches of the job are admitted in file order whatever thread ends first:
// a file of several batches whose pairs repeat from batch to batch.
TEST(AdmissionRule, TheFileJobAdmitsBatchesInFileOrder) {
  test::TempDir dir;
  std::mt19937 random(2004);
  std::vector<std::vector<Pair>> lines = randomLines(random, 30000);
  for (std::vector<Pair>& line : lines)  // longer texts, so the file spans several 1 MiB batches
    for (Pair& p : line) p.source += std::string(40, 'x') + std::to_string(random() % 5000);
  Registry whole;
  std::vector<Pair> expected;
  std::string text;
  for (const std::vector<Pair>& line : lines) {
    whole.admit(line, expected);
    text += lineOf(line) + "\n";
  }
  ASSERT_GT(text.size(), std::size_t(3) << 20);
  test::writeFile(dir.file("in.txt"), text);
  for (unsigned threads : {1u, 2u, 4u}) {
    FileJob job;
    job.input = dir.file("in.txt");
    job.output = dir.file("out.txt");
    job.threads = threads;
    ASSERT_TRUE(runFileJob(job, TokenCollector()).ok());
    EXPECT_TRUE(test::readFile(job.output) == listing(expected)) << threads << " threads";
  }
}

TEST(AdmissionRule, BlockBytesThatReduceBlockDidNotWriteAreRefused) {
  const Extractor extractor(Direction::EnglishToChinese, Options{Encoding::GBK});
  std::string good;
  ASSERT_TRUE(reduceBlock(extractor, "ten to five\nat five\n", true, good).ok());
  ASSERT_GT(good.size(), 4u);
  const struct {
    const char* name;
    std::string bytes;
    StatusCode code;
  } cases[] = {
      {"the block", good, StatusCode::Ok},
      {"no pairs", "VPB1", StatusCode::Ok},
      {"empty", "", StatusCode::CorruptBlock},
      {"another mark", "VPB2" + good.substr(4), StatusCode::CorruptBlock},
      {"cut in a text", good.substr(0, good.size() - 1), StatusCode::CorruptBlock},
      {"cut in a length", good.substr(0, 6), StatusCode::CorruptBlock},
      {"a flag that is no flag", "VPB1\x02\x01\x01xy", StatusCode::CorruptBlock},
      {"a length past the end", "VPB1" + std::string("\0\x7F\x01xy", 5), StatusCode::CorruptBlock},
      {"a length that never ends", "VPB1" + std::string("\0", 1) + std::string(12, '\xFF'), StatusCode::CorruptBlock},
  };
  for (const auto& c : cases) {
    Registry registry;
    std::string lines;
    EXPECT_EQ(registry.admitBlock(c.bytes, lines).code(), c.code) << c.name;
    if (c.code != StatusCode::Ok) {
      EXPECT_EQ(lines, "") << c.name;
      EXPECT_EQ(registry.size(), 0u) << c.name << ": a refused block admits nothing";
    }
  }
  Registry registry;
  std::string lines;
  ASSERT_TRUE(registry.admitBlock(good, lines).ok());
  EXPECT_EQ(lines, "ten to five ||| 十 到 五\nten to five ||| 差 十分 五点\nfive |||  五点 \nfive ||| 五\n");
}

}  // namespace
}  // namespace vestrilo
