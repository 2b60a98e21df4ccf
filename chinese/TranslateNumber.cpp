// Number and Figure translation.
//
// A Number is a Chinese numeral with magnitudes (三百零五) or a single numeral
// character; spoken Chinese also writes approximate pairs of neighbouring
// digits (三四百 "three or four hundred", 十七八 "seventeen or eighteen").
// A Figure is read digit by digit (二零零八 "two zero zero eight").
#include "chinese/ChineseSentence.h"
#include "chinese/EnglishText.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

std::string numeralWords(std::string text) {
  return ChineseSentence::digitsToEnglish(ChineseSentence::chineseNumeralToArabic(std::move(text)));
}

// The " or" that a figure's first digit word is written with while the figure
// may be an approximate pair, taken off when it is none.
bool endsWithTrailingOr(const std::string& words) {
  const std::size_t n = enWord::orWord.size();
  return words.size() > n && words[words.size() - n - 1] == ' ' &&
         words.compare(words.size() - n, n, enWord::orWord) == 0;
}
void dropTrailingOr(std::string& words) { words.erase(words.size() - enWord::orWord.size() - 1); }

}  // namespace

std::string ChineseSentence::translateNumber(std::string text, RuleSet rules) {
  const std::string_view t(text);
  const std::string_view first = gbk::slice(t, 0, 2), second = gbk::slice(t, 2, 2), third = gbk::slice(t, 4, 2);
  std::string working = text;
  bool pair = false, teenPair = false;

  // 三四百: read as 一百, then "one" becomes "three or four".
  if (t.size() <= 8 && onesWordMap.hasKey(first) && onesWordMap.hasKey(second)) {
    // The extended rules read a pair of neighbouring digits as "or" (三四),
    // a wider one as a range (三五 "three to five"), 三两 as 两三 "two or
    // three", and any other as no number (五两 is five taels).
    if (rules == RuleSet::Extended) {
      const char a = numeralDigitMap.lookup(first).front(), b = numeralDigitMap.lookup(second).front();
      if (first == numeralThree && second == numeralTwo)
        return translateNumber(std::string(numeralTwo) + std::string(numeralThree) + std::string(gbk::slice(t, 4)), rules);
      if (b <= a) return {};
      if (b > a + 1) {
        std::string words = translateNumber(std::move(text));
        const std::size_t at = words.find(" or ");
        if (at != std::string::npos) words.replace(at + 1, enWord::orWord.size(), enWord::to);
        return words;
      }
    }
    pair = true;
    working = numeralOne;
    working += gbk::slice(t, 4);
  }
  // 十七八: read as 十七, then " or " and the words of 十八.
  if (t.size() == 6 && first == magnitudeTen && onesWordMap.hasKey(second) && onesWordMap.hasKey(third)) {
    pair = teenPair = true;
    working = std::string(gbk::slice(t, 0, 4));
  }

  std::string result = numeralWords(working);

  if (pair && teenPair) {
    english_text::appendJoiningWord(result, enWord::orWord);
    result += numeralWords(std::string(magnitudeTen) + std::string(third));
  } else if (pair) {
    // A numeral led by 一 starts with "one" or "ten"; those three letters are
    // replaced by the words of the two digits of the pair.
    const std::string head = "(" + result.substr(0, 3) + ")";
    const TaggedMap* words = onesWordMap.hasText(head) ? &onesWordMap
                             : tensWordMap.hasText(head) ? &tensWordMap
                                                         : nullptr;
    if (words) {
      std::string both = words->value(first);
      english_text::appendJoiningWord(both, enWord::orWord);
      both += words->lookup(second);
      result.replace(0, 3, both);
    }
  }

  if (t == numeralZero) return std::string(enWord::zero);
  if (t == numeralHalf) return std::string(enWord::half);
  return result;
}

std::string ChineseSentence::translateFigure(std::string text, RuleSet rules) {
  const std::string_view t(text);
  const std::size_t n = t.size();
  // Two digits are an approximation under the extended rules, read as one.
  if (rules == RuleSet::Extended && n == 4 && onesWordMap.hasKey(t.substr(0, 2)) && onesWordMap.hasKey(t.substr(2)))
    return translateNumber(std::move(text), rules);
  std::string result;
  std::size_t previous = std::string_view::npos, current = std::string_view::npos;

  for (std::size_t offset = 0; offset + 1 < n; offset += 2) {
    const std::string_view ch = t.substr(offset, 2);
    previous = current;
    current = figureWordMap.keyPosition(ch);
    if (current == std::string_view::npos) continue;
    const std::string_view word = figureWordMap.lookup(ch);
    if (offset == 0) {
      result = word;
      if (n == 4) english_text::appendWord(result, enWord::orWord);
      continue;
    }
    // Two characters are an approximate pair when their entries stand close
    // together in the map (see figureWordMap).
    if (offset == 2 && n == 4) {
      const bool close = previous != std::string_view::npos && previous < current && current - previous <= 11;
      if (!close && endsWithTrailingOr(result)) dropTrailingOr(result);
    }
    result += ' ';
    result += word;
  }

  // A pair whose second character has no entry keeps no dangling " or".
  if (n == 4 && endsWithTrailingOr(result)) dropTrailingOr(result);
  if (t == halfOfOneWord) return std::string(enWord::half);
  return result;
}

}  // namespace vestrilo
