// Writes a libFuzzer dictionary for one direction ("chinese" or "english") to
// standard output: every word of the lexicon lists that direction's stages look
// for, plus the separators they test. The words come from the compiled lexicon,
// so the dictionary holds exactly the GBK bytes the stages compare against.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/ChineseToEnglishMaps.h"
#include "lexicon/EnglishNumberMaps.h"
#include "lexicon/EnglishToChineseMaps.h"
#include "lexicon/Lexicon.h"

namespace {

using vestrilo::LexiconList;
using vestrilo::TaggedMap;

// The words of a word list: the texts between '<' and '>'.
void addWords(std::set<std::string>& out, std::string_view list) {
  std::size_t pos = 0;
  while ((pos = list.find('<', pos)) != std::string_view::npos) {
    const std::size_t end = list.find('>', pos + 1);
    if (end == std::string_view::npos) break;
    if (end > pos + 1) out.emplace(list.substr(pos + 1, end - pos - 1));
    pos = end + 1;
  }
}

void print(const std::string& word) {
  std::string line = "\"";
  for (unsigned char c : word) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      line += static_cast<char>(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      line += hex;
    }
  }
  line += "\"\n";
  std::fputs(line.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vestrilo;
  if (argc != 2 || (std::strcmp(argv[1], "chinese") != 0 && std::strcmp(argv[1], "english") != 0)) {
    std::fputs("usage: fuzz_make_dict chinese|english\n", stderr);
    return 2;
  }
  std::set<std::string> words;
  if (std::strcmp(argv[1], "chinese") == 0) {
    for (const LexiconList& list : {numeralList, unitList, ordinalList, weekPrefixList, weekdayList, dateUnitList,
                                    clockUnitList})
      addWords(words, list.text());
    for (const LexiconList& list : {everyWeekList, sundayWordList, monthDayUnitList, hourUnitList})
      addWords(words, list.text());
    // Keys of the translators' maps (Chinese numerals and day characters).
    for (const TaggedMap& map : {numeralDigitMap, onesWordMap, monthNameMap, weekdayNameMap})
      addWords(words, map.text());
    for (std::string_view w : {fractionMarker, proportionWord, eraWord, eraBeforeWord, fullWidthComma,
                               fullWidthColon, clockBellSuffix})
      words.emplace(w);
    // Separators and the byte that stands in for a missing trail byte.
    for (const char* s : {" ", ".", ":", "/", "-", "+", "%", ",", "\r"})
      words.emplace(s);
    words.emplace(std::string(1, '\0'));
  } else {
    for (const LexiconList& list : {englishUnitsList, englishTensList, englishMagnitudeList, englishOrdinalList,
                                    englishWeekdayList, englishMonthList, englishClockList})
      addWords(words, list.text());
    for (const LexiconList& list : {digitOrdinalSuffixList, clockPastWordList, hourFractionList, clockContextList,
                                    dayHalfStemList, dayHalfList, eraStemList, eraList})
      addWords(words, list.text());
    for (const TaggedMap& map : {numberWordMap, monthMap, dayOrdinalMap, weekdayMap})
      addWords(words, map.text());
    for (const MarkerWord& m : clockHourPhrases) words.emplace(m.marker);
    for (const RepeatWord& r : figureRepeatWords) words.emplace(r.word);
    for (std::string_view w : {enWord::point, enWord::percent, oclockWord})
      words.emplace(w);
    for (const char* s : {" ", "-", ".", ":", "/", ",", "%", "'", " and ", " or ", " to ", " of ", " past ",
                          " after ", "\r"})
      words.emplace(s);
  }
  for (const std::string& w : words) print(w);
  return 0;
}
