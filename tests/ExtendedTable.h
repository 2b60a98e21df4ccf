// The table suites of the extended rules: each row is a line with the pairs it
// gives under the extended rules and under the classic ones, checked through
// the public extractor in GBK and in UTF-8 (the row's literals are GBK; the
// UTF-8 run reads and must give their conversion).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vestrilo/vestrilo.h"

namespace vestrilo::test {

struct RulesRow {
  const char* line;
  std::vector<Pair> extended;  // the pairs of the line under the extended rules
  std::vector<Pair> classic;   // and under the classic rules, which never change
};

inline std::vector<Pair> pairsUnder(Direction direction, Encoding encoding, Rules rules, const std::string& line) {
  Extractor extractor(direction, Options{encoding, rules});
  std::vector<Pair> found;
  extractor.collect(line, found);
  return found;
}

inline std::vector<Pair> inUtf8(std::vector<Pair> pairs) {
  for (Pair& p : pairs) {
    p.source = toUtf8(p.source, Encoding::GBK);
    p.translation = toUtf8(p.translation, Encoding::GBK);
  }
  return pairs;
}

inline std::string show(const std::vector<Pair>& pairs) {
  std::string out;
  for (const Pair& p : pairs)
    out += toUtf8(p.source, Encoding::GBK) + " ||| " + toUtf8(p.translation, Encoding::GBK) +
           (p.candidate ? " (second reading)\n" : "\n");
  return out;
}

inline void checkRows(Direction direction, const std::vector<RulesRow>& rows) {
  for (const RulesRow& row : rows) {
    const std::string line = row.line;
    const std::string shown = toUtf8(line, Encoding::GBK);
    EXPECT_EQ(show(pairsUnder(direction, Encoding::GBK, Rules::Extended, line)), show(row.extended))
        << "extended: " << shown;
    EXPECT_EQ(show(pairsUnder(direction, Encoding::GBK, Rules::Classic, line)), show(row.classic))
        << "classic: " << shown;
    const std::string utf8 = toUtf8(line, Encoding::GBK);
    EXPECT_EQ(pairsUnder(direction, Encoding::UTF8, Rules::Extended, utf8), inUtf8(row.extended))
        << "extended, UTF-8: " << shown;
    EXPECT_EQ(pairsUnder(direction, Encoding::UTF8, Rules::Classic, utf8), inUtf8(row.classic))
        << "classic, UTF-8: " << shown;
  }
}

}  // namespace vestrilo::test
