// A whole -E2C line through the stages and every output operation, each on a
// sentence object of its own (the operations share nothing but the registry).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "english/EnglishSentence.h"
#include "driver/Driver.h"
#include "fuzz/FuzzSupport.h"

namespace {

using vestrilo::EnglishSentence;

EnglishSentence prepared(const std::string& line) {
  EnglishSentence s{line};
  s.tokenize();
  vestrilo::fuzz::checkRecords(s.entities, line.size(), "tokenize");
  s.recognize();
  vestrilo::fuzz::checkRecords(s.entities, line.size(), "recognize");
  s.disambiguate();
  vestrilo::fuzz::checkRecords(s.entities, line.size(), "disambiguate");
  vestrilo::fuzz::check(s.sentence == line, "the stages changed the sentence", s.sentence);
  vestrilo::fuzz::check(s.lowered.size() == s.sentence.size(), "the working copy lost its length", s.lowered);
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
    const EnglishSentence s = prepared(line);
    written = s.translationLine();
    again = s.translationLine();
  }
  {
    const EnglishSentence s = prepared(line);
    s.translationPairs(pairs);
  }
  fuzz::checkTranslationLine(line, written, pairs, again);

  // The driver's own path gives the same pairs.
  std::vector<TranslationPair> driverPairs;
  collectLinePairs(Direction::EnglishToChinese, line, driverPairs);
  fuzz::check(fuzz::samePairs(pairs, driverPairs), "collectLinePairs differs from translationPairs", line);

  { const std::string out = prepared(line).translationLineHtml(); (void)out; }
  { const std::string out = prepared(line).translationLineTagged(); (void)out; }
  { const std::string out = prepared(line).translationLineHtmlPairs(); (void)out; }
  { const std::string out = prepared(line).markupHtml(); (void)out; }
  { const std::string out = prepared(line).markupTags(); (void)out; }
  emittedPairs.clear();
  return 0;
}
