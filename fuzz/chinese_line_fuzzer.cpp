// A whole -C2E line through the stages and every output operation, each on a
// sentence object of its own (the operations share nothing but the registry).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "chinese/ChineseSentence.h"
#include "driver/Driver.h"
#include "fuzz/FuzzSupport.h"

namespace {

using vestrilo::ChineseSentence;

ChineseSentence prepared(const std::string& line) {
  ChineseSentence s{line};
  s.tokenize();
  vestrilo::fuzz::checkRecords(s.entities, line.size(), "tokenize");
  s.adjust();
  vestrilo::fuzz::checkRecords(s.entities, line.size(), "adjust");
  s.recognize();
  vestrilo::fuzz::checkRecords(s.entities, line.size(), "recognize");
  vestrilo::fuzz::check(s.sentence == line, "the stages changed the sentence", s.sentence);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vestrilo;
  const std::string line(reinterpret_cast<const char*>(data), size);
  emittedPairs.clear();

  std::string written, again;
  std::vector<TranslationPair> pairs;
  {
    const ChineseSentence s = prepared(line);
    written = s.translationLine();
    again = s.translationLine();
  }
  {
    const ChineseSentence s = prepared(line);
    s.translationPairs(pairs);
  }
  fuzz::checkTranslationLine(line, written, pairs, again);

  // The driver's own path gives the same pairs.
  std::vector<TranslationPair> driverPairs;
  collectLinePairs(Direction::ChineseToEnglish, line, driverPairs);
  fuzz::check(fuzz::samePairs(pairs, driverPairs), "collectLinePairs differs from translationPairs", line);

  { const std::string out = prepared(line).translationLineHtml(); (void)out; }
  { const std::string out = prepared(line).translationLineTagged(); (void)out; }
  { const std::string out = prepared(line).translationLineHtmlPairs(); (void)out; }
  { const std::string out = prepared(line).markupHtml(); (void)out; }
  { const std::string out = prepared(line).markupTags(); (void)out; }
  emittedPairs.clear();
  return 0;
}
