// Chinese adjustment pass: one left-to-right walk over the tokens, run before
// recognition, that joins the pieces of fractions (三 分之 一), percentages
// (百分之 五十), 成 proportions (三 成) into single Fractional records, and joins
// 公元 with a following 前.
#include <cstddef>

#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseNumeralMaps.h"

namespace vestrilo {

namespace {

using Kind = ChineseEntityKind;

bool isFractionPart(Kind kind) { return kind == Kind::Number || kind == Kind::ArabicWithUnit || kind == Kind::Fractional; }

// The tokens that count a number of tenths before 成: one ASCII digit, two digit
// characters (七八), or one numeral character.
bool isProportionCount(const ChineseEntity& e) {
  return (e.kind == Kind::Arabic && e.length == 1) || (e.kind == Kind::Figure && e.length == 4) ||
         (e.kind == Kind::Number && e.length == 2);
}

// The first bytes of 成 and 公元, which the proportion and era rules look for.
constexpr ByteSet adjustWordStarts = ByteSet().addFirstByte(proportionWord).addFirstByte(eraWord);

bool isHundred(const ChineseSentence& s, const ChineseEntity& e) {
  return s.firstByte(e) == static_cast<unsigned char>(magnitudeHundred[0]) && s.text(e) == magnitudeHundred;
}

}  // namespace

void ChineseSentence::adjust() {
  std::size_t p = 0;
  while (p < entities.size()) {
    // Every rule needs a Number or 百 after the record, or the record to be 成
    // or 公元: any other record is passed over without taking the neighbour view.
    if (p + 1 >= entities.size() || (entities[p + 1].kind != Kind::Number && !isHundred(*this, entities[p + 1]))) {
      const ChineseEntity& cur = entities[p];
      if (!adjustWordStarts.has(firstByte(cur)) || (text(cur) != proportionWord && text(cur) != eraWord)) {
        ++p;
        continue;
      }
    }
    const ChineseNeighbours v = neighbours(p);

    // Fraction or percentage: 分之 with a numeral (or 百) after it.
    if (v.curText.find(fractionMarker) != std::string_view::npos &&
        (v.next.kind == Kind::Number || v.nextText == magnitudeHundred)) {
      if (p > 0 && isFractionPart(v.prev.kind)) {
        // 三 分之 一: the whole fraction; the record now at p follows it.
        merge(p - 1, p + 1, Kind::Fractional);
        continue;
      }
      if (v.cur.kind == Kind::ArabicWithUnit) {
        // 百分之 五十, after any other text.
        merge(p, p + 1, Kind::Fractional);
      }
      ++p;
      continue;
    }

    // 成 proportion: 三 成, 3 成, 七八 成.
    if (v.curText == proportionWord && p > 0 && isProportionCount(v.prev)) {
      merge(p - 1, p, Kind::Fractional);
      continue;
    }

    // Era prefix: 公元 前 becomes one record (its kind is unchanged).
    if (v.curText == eraWord && v.nextText == eraBeforeWord) {
      merge(p, p + 1);
    }
    ++p;
  }
}

}  // namespace vestrilo
