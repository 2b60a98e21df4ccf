#include <gtest/gtest.h>

#include <vector>

#include "core/EntityList.h"

namespace vestrilo {
namespace {

struct Rec {
  int start = 0;
  int length = 0;
  int kind = 0;
  bool operator==(const Rec& o) const { return start == o.start && length == o.length && kind == o.kind; }
};

std::vector<int> starts(const EntityList<Rec>& l) {
  std::vector<int> s;
  for (const Rec& r : l) s.push_back(r.start);
  return s;
}

TEST(EntityList, BehavesLikeAVectorUnderMixedEdits) {
  // The same edits on the gap buffer and on a plain vector give the same lists.
  EntityList<Rec> list;
  std::vector<Rec> model;
  unsigned seed = 12345;
  auto rnd = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return n == 0 ? 0u : (seed >> 8) % n;
  };
  for (int step = 0; step < 20000; ++step) {
    const unsigned op = rnd(4);
    if (op == 0 || model.size() < 3) {
      Rec r{step, 1, 0};
      list.push_back(r);
      model.push_back(r);
    } else if (op == 1) {
      const unsigned pos = rnd(static_cast<unsigned>(model.size()) + 1);
      Rec r{-step, 2, 1};
      list.insert(pos, r);
      model.insert(model.begin() + pos, r);
    } else {
      const unsigned first = rnd(static_cast<unsigned>(model.size()));
      const unsigned last = first + 1 + rnd(3);
      list.erase(first, last);
      model.erase(model.begin() + first, model.begin() + std::min<std::size_t>(last, model.size()));
    }
    ASSERT_EQ(list.size(), model.size());
    if (step % 97 == 0) {
      ASSERT_EQ(list.toVector(), model) << "step " << step;
    }
  }
  EXPECT_EQ(list.toVector(), model);
}

TEST(EntityList, MergeStretchesTheFirstRecordOverTheLast) {
  EntityList<Rec> l{{0, 2, 0}, {3, 2, 0}, {6, 4, 1}, {11, 1, 2}};
  mergeRecords(l, 0, 2);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l[0], (Rec{0, 10, 0}));  // covers the bytes between the tokens too
  EXPECT_EQ(l[1], (Rec{11, 1, 2}));
  mergeRecords(l, 1, 5);  // out of range: nothing happens
  mergeRecords(l, 1, 1);
  EXPECT_EQ(starts(l), (std::vector<int>{0, 11}));
}

TEST(EntityList, RecordTextIsClampedToTheLine) {
  const std::string_view line = "abcdef";
  struct Case {
    Rec rec;
    std::string_view text;
  } cases[] = {{{1, 3, 0}, "bcd"},  {{4, 10, 0}, "ef"}, {{6, 1, 0}, ""},
               {{9, 2, 0}, ""},     {{-3, 2, 0}, "ab"}, {{2, -1, 0}, ""}};
  for (const Case& c : cases) EXPECT_EQ(recordText(line, c.rec), c.text) << c.rec.start << "," << c.rec.length;
}

}  // namespace
}  // namespace vestrilo
