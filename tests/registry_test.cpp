#include <gtest/gtest.h>

#include "driver/EmittedPairs.h"

namespace vestrilo {
namespace {

TranslationPair pair(const char* s, const char* t, bool candidate = false) { return {s, t, candidate}; }

TEST(EmittedPairs, MembershipIsExact) {
  EmittedPairs r;
  EXPECT_TRUE(r.insert("three", "3"));
  EXPECT_FALSE(r.insert("three", "3"));
  EXPECT_TRUE(r.contains("three", "3"));
  // Neither a piece of a registered pair nor a pair split elsewhere counts.
  EXPECT_FALSE(r.contains("thre", "3"));
  EXPECT_FALSE(r.contains("three", ""));
  EXPECT_TRUE(r.insert("a ||| b", "c"));
  EXPECT_FALSE(r.contains("a", "b ||| c"));
}

TEST(EmittedPairs, AdmitWritesNewPairsOnceAcrossCalls) {
  EmittedPairs r;
  EXPECT_EQ(r.admitLines({pair("三点", "three o'clock"), pair("三点", "three o'clock"), pair("5", "5")}),
            "三点 ||| three o'clock\n5 ||| 5\n");
  EXPECT_EQ(r.admitLines({pair("5", "5"), pair("Five", "五"), pair("five", "五")}),
            "Five ||| 五\nfive ||| 五\n");
}

TEST(EmittedPairs, EmptyTranslationsAreNeitherWrittenNorRegistered) {
  EmittedPairs r;
  EXPECT_EQ(r.admitLines({pair("x", "")}), "");
  EXPECT_EQ(r.size(), 0u);
}

TEST(EmittedPairs, CandidateFollowsItsMainPair) {
  EmittedPairs r;
  const std::vector<TranslationPair> tenToFive = {pair("ten to five", "十到五"), pair("ten to five", "四点 五十分", true)};
  EXPECT_EQ(r.admitLines(tenToFive), "ten to five ||| 十到五\nten to five ||| 四点 五十分\n");
  EXPECT_EQ(r.admitLines(tenToFive), "");  // the main pair is known: the candidate is not written either
  // A candidate is written untested after a new main pair, even if registered before.
  EXPECT_EQ(r.admitLines({pair("x", "1"), pair("x", "四点 五十分", true)}), "x ||| 1\nx ||| 四点 五十分\n");
  EXPECT_EQ(r.admitLines({pair("ten to five", "十到五!"), pair("ten to five", "四点 五十分", true)}),
            "ten to five ||| 十到五!\nten to five ||| 四点 五十分\n");
  // With an empty main translation the candidate stands on its own.
  EXPECT_EQ(r.admitLines({pair("y", ""), pair("y", "2", true)}), "y ||| 2\n");
  EXPECT_EQ(r.admitLines({pair("y", ""), pair("y", "2", true)}), "");
}

}  // namespace
}  // namespace vestrilo
