#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/EmittedPairs.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

Pair pair(const char* s, const char* t, bool candidate = false) { return {s, t, candidate}; }

// The listing the command line writes for pairs run through r.
std::string listing(Registry& r, const std::vector<Pair>& pairs) {
  std::string lines;
  r.admitLines(pairs.data(), pairs.data() + pairs.size(), lines);
  return lines;
}

TEST(Registry, MembershipIsExact) {
  Registry r;
  EXPECT_EQ(listing(r, {pair("three", "3"), pair("a ||| b", "c")}), "three ||| 3\na ||| b ||| c\n");
  EXPECT_EQ(r.size(), 2u);
  EXPECT_TRUE(r.contains("three", "3"));
  // Neither a piece of a registered pair nor a pair split elsewhere counts.
  EXPECT_FALSE(r.contains("thre", "3"));
  EXPECT_FALSE(r.contains("three", ""));
  EXPECT_FALSE(r.contains("a", "b ||| c"));
  EXPECT_EQ(listing(r, {pair("a", "b ||| c")}), "a ||| b ||| c\n");
  r.clear();
  EXPECT_FALSE(r.contains("three", "3"));
}

TEST(Registry, AdmitWritesNewPairsOnceAcrossCalls) {
  Registry r;
  EXPECT_EQ(listing(r, {pair("三点", "three o'clock"), pair("三点", "three o'clock"), pair("5", "5")}),
            "三点 ||| three o'clock\n5 ||| 5\n");
  EXPECT_EQ(listing(r, {pair("5", "5"), pair("Five", "五"), pair("five", "五")}),
            "Five ||| 五\nfive ||| 五\n");
}

TEST(Registry, EmptyTranslationsAreNeitherWrittenNorRegistered) {
  Registry r;
  EXPECT_EQ(listing(r, {pair("x", "")}), "");
  EXPECT_EQ(r.size(), 0u);
}

TEST(Registry, CandidateFollowsItsMainPair) {
  Registry r;
  const std::vector<Pair> tenToFive = {pair("ten to five", "十到五"), pair("ten to five", "四点 五十分", true)};
  EXPECT_EQ(listing(r, tenToFive), "ten to five ||| 十到五\nten to five ||| 四点 五十分\n");
  EXPECT_EQ(listing(r, tenToFive), "");  // the main pair is known: the candidate is not written either
  // A candidate is written untested after a new main pair, even if registered before.
  EXPECT_EQ(listing(r, {pair("x", "1"), pair("x", "四点 五十分", true)}), "x ||| 1\nx ||| 四点 五十分\n");
  EXPECT_EQ(listing(r, {pair("ten to five", "十到五!"), pair("ten to five", "四点 五十分", true)}),
            "ten to five ||| 十到五!\nten to five ||| 四点 五十分\n");
  // With an empty main translation the candidate stands on its own.
  EXPECT_EQ(listing(r, {pair("y", ""), pair("y", "2", true)}), "y ||| 2\n");
  EXPECT_EQ(listing(r, {pair("y", ""), pair("y", "2", true)}), "");
}

// The storage grows in blocks and a table: every pair stays found exactly
// through many growths, a pair larger than a block included, and the memory
// per pair stays near the bytes of the pair.
TEST(Registry, ManyPairsStayExactThroughGrowth) {
  EmittedPairs r;
  constexpr int kPairs = 200000;
  std::size_t textBytes = 0;
  for (int i = 0; i < kPairs; ++i) {
    const std::string s = std::to_string(i), t = "t" + std::to_string(i * 7);
    EXPECT_TRUE(r.insert(s, t));
    textBytes += s.size() + t.size();
  }
  const std::string big(3 << 20, 'x');
  EXPECT_TRUE(r.insert(big, "y"));
  EXPECT_FALSE(r.insert(big, "y"));
  EXPECT_TRUE(r.insert("", ""));
  EXPECT_EQ(r.size(), kPairs + 2u);
  for (int i = 0; i < kPairs; ++i) {
    const std::string s = std::to_string(i), t = "t" + std::to_string(i * 7);
    ASSERT_TRUE(r.contains(s, t)) << s;
    ASSERT_FALSE(r.insert(s, t)) << s;
    ASSERT_FALSE(r.contains(s + "t", t.substr(1))) << s;  // the same bytes split elsewhere
    ASSERT_FALSE(r.contains(s, t + "0")) << s;
  }
  EXPECT_TRUE(r.contains(big, "y"));
  EXPECT_FALSE(r.contains(big, "yy"));
  EXPECT_LT(r.memoryUse(), big.size() + textBytes + kPairs * 24u + (2u << 20));
  r.clear();
  EXPECT_FALSE(r.contains("0", "t0"));
  EXPECT_EQ(r.memoryUse(), 0u);
}

}  // namespace
}  // namespace vestrilo
