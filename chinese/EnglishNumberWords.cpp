// Digit strings to English words: one three-digit group, and a whole number
// grouped by thousands ("one million two hundred and thirty-four thousand five
// hundred and sixty-seven"). Zero gives the empty string; callers that need
// the word "zero" write it themselves.
#include "chinese/ChineseSentence.h"
#include "chinese/EnglishText.h"
#include "core/Bytes.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

std::string ChineseSentence::hundredsToEnglish(std::string digits) {
  // A group is three digits; a shorter one reads as if zero-padded on the left,
  // a longer one by its last three digits.
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  if (digits.size() > 3) digits.erase(0, digits.size() - 3);

  // Anything but digits has no words (rather than words for some of it).
  if (!ascii::allDigits(digits)) return {};

  std::string result;
  const std::string_view group(digits);
  const std::string_view lastTwo = group.substr(1, 2);
  if (lastTwo != "00") result = twoDigitWordMap.value(lastTwo);
  if (group[0] != '0') {
    std::string head = unitWordMap.value(group.substr(0, 1));
    english_text::appendWord(head, englishHundredWord);
    if (lastTwo != "00") english_text::appendJoiningWord(head, enWord::andWord);
    result.insert(0, head);
  }
  return result;
}

std::string ChineseSentence::digitsToEnglish(std::string digits) {
  if (!ascii::allDigits(digits)) return {};
  if (digits.size() % 3 == 1) digits.insert(0, "00");
  if (digits.size() % 3 == 2) digits.insert(0, "0");

  std::string result;
  const std::size_t groups = digits.size() / 3;
  for (std::size_t k = 0; k < groups; ++k) {
    const std::string group = digits.substr(digits.size() - 3 * (k + 1), 3);
    if (k == 0) {
      result = hundredsToEnglish(group);
      continue;
    }
    if (group == "000") continue;
    // No scale word is known beyond the quadrillions: such a number has no
    // rendering, rather than a wrong one.
    if (k >= scaleWordCount) return {};
    std::string w = hundredsToEnglish(group);
    w += ' ';
    w += scaleWords[k];
    if (!result.empty()) {
      w += ' ';
      w += result;
    }
    result = std::move(w);
  }
  return result;
}

}  // namespace vestrilo
