// English number words to digit strings.
//
// A number in words is valued without any integer arithmetic: each group of
// words below one thousand becomes four digit characters, and the groups are
// copied into a sixteen-character value string at the places their scale words
// give. Words that are not number words read as zero, so every result keeps its
// fixed width whatever the text holds.
#include <string>
#include <string_view>
#include <utility>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishNumberMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t valueWidth = 16;
constexpr std::size_t npos = std::string_view::npos;

// The bytes of text in [from, to), clamped to the text (empty when to <= from).
std::string_view cut(std::string_view text, std::size_t from, std::size_t to) {
  if (to > text.size()) to = text.size();
  if (from >= to) return {};
  return text.substr(from, to - from);
}

// Offset of the first blank that words follow in text, or npos.
std::size_t findAfterBlank(std::string_view text, std::string_view words) {
  for (std::size_t p = text.find(words, 1); p != npos; p = text.find(words, p + 1))
    if (text[p - 1] == ' ') return p - 1;
  return npos;
}

// Whether text at `at` holds "and" and a blank.
bool andFollows(std::string_view text, std::size_t at) {
  const std::size_t n = enWord::andWord.size();
  return at + n + 1 <= text.size() && text.compare(at, n, enWord::andWord) == 0 && text[at + n] == ' ';
}

// The two-digit value of a number word; "00" for a word outside the map.
std::string_view twoDigits(std::string_view word) {
  const std::string_view value = numberWordMap.lookup(word);
  return value.size() == 2 ? value : std::string_view("00");
}

// The words in front of a scale word that stands at p: from `from` up to the
// space before the scale word.
std::string_view segmentBefore(std::string_view text, std::size_t from, std::size_t p) {
  return p == 0 ? std::string_view() : cut(text, from, p - 1);
}

// Removes every space that belongs to a run of spaces touching a hyphen, so that
// "twenty - five", "twenty -five" and "twenty- five" all read "twenty-five".
// (The same as replacing " - ", then " -", then "- " by "-" until none is left,
// in one linear sweep.)
std::string joinHyphens(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != ' ') {
      out.push_back(text[i++]);
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] == ' ') ++end;
    const bool afterHyphen = !out.empty() && out.back() == '-';
    const bool beforeHyphen = end < text.size() && text[end] == '-';
    if (!afterHyphen && !beforeHyphen) out.append(text.substr(i, end - i));
    i = end;
  }
  return out;
}

void copyDigits(std::string& value, std::size_t to, std::string_view group, std::size_t from) {
  for (std::size_t k = from; k < group.size() && to < value.size(); ++k, ++to) value[to] = group[k];
}

}  // namespace

std::string EnglishSentence::hundredsToDigits(std::string text) {
  const std::size_t half = findAfterBlank(text, andAHalfWords);
  if (half != npos) text.erase(half, andAHalfWords.size() + 1);
  const std::string_view words(text);

  std::string group = "00";
  const std::size_t h = words.find(englishHundredWord);
  if (h != std::string_view::npos) group = h == 0 ? std::string_view("01") : twoDigits(cut(words, 0, h - 1));

  std::string_view rest;
  if (h == std::string_view::npos) {
    rest = words;
  } else if (words.size() >= h + englishHundredWord.size() + 1) {
    rest = words.substr(h + englishHundredWord.size() + 1);
    if (andFollows(rest, 0)) rest.remove_prefix(enWord::andWord.size() + 1);
  }
  group += rest.empty() ? std::string_view("00") : twoDigits(rest);
  return group;
}

std::string EnglishSentence::wordsToArabic(std::string raw) {
  const std::string joined = joinHyphens(raw);
  const std::string_view text(joined);
  std::string value(valueWidth, '0');
  std::size_t start = 0;

  for (const EnglishScaleWord& scale : englishScaleWords) {
    const std::size_t p = text.find(scale.word);
    if (p == std::string_view::npos) continue;
    const std::string group = hundredsToDigits(std::string(segmentBefore(text, start, p)));
    start = p + scale.word.size() + 1;
    copyDigits(value, scale.firstDigit, group, scale.countFrom);
  }

  const std::size_t thousand = text.find(englishThousandWord);
  if (thousand != std::string_view::npos) {
    const std::string_view segment = thousand == 0 ? enWord::one : segmentBefore(text, start, thousand);
    start = thousand + englishThousandWord.size() + 1;
    if (andFollows(text, start)) start += enWord::andWord.size() + 1;
    copyDigits(value, thousandFirstDigit, hundredsToDigits(std::string(segment)), 1);
  }

  if (start <= text.size()) {
    const std::string group = hundredsToDigits(std::string(text.substr(start)));
    copyDigits(value, thousandFirstDigit + 3, group, 1);
    if (group[0] != '0') value[thousandFirstDigit + 2] = group[0];
  }

  // "and a half" right before a scale word adds half of that scale.
  auto addHalf = [&](std::string_view word, std::size_t digit) {
    const std::size_t p = text.find(word);
    if (p == std::string_view::npos || p < andAHalfWords.size() + 1) return;
    if (text.substr(p - andAHalfWords.size() - 1, andAHalfWords.size()) == andAHalfWords) value[digit] = '5';
  };
  for (const EnglishScaleWord& scale : englishScaleWords) {
    if (scale.halfDigit != 0) addHalf(scale.word, scale.halfDigit);
  }
  addHalf(englishThousandWord, thousandHalfDigit);
  return value;
}

std::int32_t EnglishSentence::wordsValue(std::string text) {
  return ascii::saturatingAtoi(wordsToArabic(std::move(text)));
}

}  // namespace vestrilo
