#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/HashTable.h"
#include "core/TranslationCache.h"
#include "core/WordTable.h"

namespace vestrilo {
namespace {

// Slots hold key + 1; the hash is chosen by the test, so that keys can be made
// to collide and to wrap around the end of the slots.
using Growing = HashTable<NumberSlots<std::uint32_t, SlotStorage::Growing, 4>>;
using Fixed16 = HashTable<NumberSlots<std::uint32_t, SlotStorage::Fixed, 16>>;

template <class Table>
bool holds(const Table& t, std::uint32_t key, std::uint64_t (*hashOf)(std::uint32_t)) {
  return t.lookup(hashOf(key), [&](std::uint32_t s) { return s == key + 1; }) == key + 1;
}

// Puts key into t unless it is there; the position, or npos when a fixed table is full.
template <class Table>
std::size_t put(Table& t, std::uint32_t key, std::uint64_t (*hashOf)(std::uint32_t)) {
  const auto probe = t.find(hashOf(key), [&](std::uint32_t s) { return s == key + 1; });
  if (probe.found) return probe.at;
  return t.place(probe, hashOf(key), key + 1, [&](std::uint32_t s) { return hashOf(s - 1); });
}

constexpr std::uint64_t spread(std::uint32_t k) { return k * 0x9E3779B97F4A7C15ull; }
constexpr std::uint64_t clustered(std::uint32_t k) { return k % 7; }             // long runs from a few home slots
constexpr std::uint64_t atTheEnd(std::uint32_t k) { return ~std::uint64_t{0} - k % 3; }  // runs that wrap around
constexpr std::uint64_t allTheSame(std::uint32_t) { return 5; }

TEST(HashTable, GrowingTableKeepsEveryEntryFarPastItsFirstSize) {
  struct Case {
    const char* name;
    std::uint64_t (*hashOf)(std::uint32_t);
    std::uint32_t keys;
  } cases[] = {{"spread", spread, 20000}, {"clustered", clustered, 3000}, {"atTheEnd", atTheEnd, 3000},
               {"allTheSame", allTheSame, 1000}};
  for (const Case& c : cases) {
    Growing t;
    EXPECT_FALSE(holds(t, 0, c.hashOf)) << c.name;  // no slots yet
    for (std::uint32_t k = 0; k < c.keys; ++k) {
      ASSERT_NE(put(t, k, c.hashOf), t.npos) << c.name;
      ASSERT_LE(t.size() * 4, t.slotCount() * 3) << c.name;  // never more than three quarters full
    }
    for (std::uint32_t k = 0; k < c.keys; ++k) {
      ASSERT_TRUE(holds(t, k, c.hashOf)) << c.name << " " << k;
      put(t, k, c.hashOf);  // a key already held is not added twice
    }
    EXPECT_EQ(t.size(), c.keys) << c.name;
    EXPECT_FALSE(holds(t, c.keys, c.hashOf)) << c.name;
    EXPECT_FALSE(holds(t, c.keys + 12345, c.hashOf)) << c.name;

    const std::size_t slots = t.slotCount();
    t.clear();
    EXPECT_EQ(t.slotCount(), slots) << c.name;
    EXPECT_FALSE(holds(t, 1, c.hashOf)) << c.name;
    t.release();
    EXPECT_EQ(t.memoryUse(), 0u) << c.name;
    EXPECT_NE(put(t, 1, c.hashOf), t.npos) << c.name;
    EXPECT_TRUE(holds(t, 1, c.hashOf)) << c.name;
  }
}

TEST(HashTable, FixedTableSaysWhenFullAndKeepsWhatItHolds) {
  constexpr auto build = [] {
    Fixed16 t;
    for (std::uint32_t k = 0; k < 12; ++k)
      t.place(t.find(clustered(k), [](std::uint32_t) { return false; }), clustered(k), k + 1);
    return t;
  };
  constexpr Fixed16 full = build();  // filled at compile time
  static_assert(full.size() == 12);
  Fixed16 t = full;
  EXPECT_EQ(put(t, 12, clustered), t.npos);  // a thirteenth would pass three quarters of 16
  EXPECT_EQ(t.size(), 12u);
  for (std::uint32_t k = 0; k < 12; ++k) EXPECT_TRUE(holds(t, k, clustered)) << k;
  EXPECT_FALSE(holds(t, 12, clustered));
}

TEST(WordTable, KeepsEveryWordFarPastItsFirstSize) {
  // Words as views into texts that outlive the table, as the lists are.
  std::vector<std::string> words;
  for (int i = 0; i < 5000; ++i) words.push_back("w" + std::to_string(i * 37));
  WordTable t;
  for (std::size_t i = 0; i < words.size(); ++i) t.add(words[i], 1u << (i % 3));
  t.addList("<w0><extra><w37>", 8);
  const std::string longWord(WordTable::kMaxWord + 1, 'a');
  t.add(longWord, 1);
  EXPECT_EQ(t.size(), words.size() + 1);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::uint32_t want = (1u << (i % 3)) | (i < 2 ? 8u : 0u);
    ASSERT_EQ(t.bitsOf(words[i]), want) << words[i];
  }
  EXPECT_EQ(t.bitsOf("extra"), 8u);
  EXPECT_EQ(t.bitsOf("w1"), 0u);
  EXPECT_EQ(t.bitsOf("w"), 0u);
  EXPECT_EQ(t.bitsOf(""), 0u);
  EXPECT_EQ(t.bitsOf(longWord), 0u);  // longer than any word the table holds
}

TEST(TextMemo, ComputesEachKeyOnceThroughGrowthAndStartsAfreshAtItsLimit) {
  TextMemo<std::int64_t> memo;
  int computed = 0;
  auto get = [&](std::int32_t tag, const std::string& text) {
    return memo.get(tag, text, [&] {
      ++computed;
      return static_cast<std::int64_t>(text.size()) * 10 + tag;
    });
  };
  std::vector<std::string> texts;
  for (int i = 0; i < 30000; ++i) texts.push_back(std::to_string(i));
  for (const std::string& t : texts) ASSERT_EQ(get(1, t), static_cast<std::int64_t>(t.size()) * 10 + 1);
  ASSERT_EQ(computed, 30000);
  for (const std::string& t : texts) ASSERT_EQ(get(1, t), static_cast<std::int64_t>(t.size()) * 10 + 1);
  EXPECT_EQ(computed, 30000);  // every one remembered
  EXPECT_EQ(get(2, texts[0]), 12);  // the tag is part of the key
  EXPECT_EQ(computed, 30001);
  EXPECT_EQ(memo.size(), 30001u);

  // Past its limit of entries the memo forgets everything and goes on.
  for (int i = 30000; i < 70000; ++i) get(1, std::to_string(i));
  EXPECT_LT(memo.size(), 70001u - 60000u);
  const int before = computed;
  EXPECT_EQ(get(1, texts[0]), 11);
  EXPECT_EQ(computed, before + 1);
}

}  // namespace
}  // namespace vestrilo
