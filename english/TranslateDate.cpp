// Date translation, in the Chinese order era, year, month, day with Arabic
// digits: may 5, 2004 = 2004年5月5日, fifth of may = 5月5日, 500 b.c. = 公元前500年,
// 5 may 2004 = 2004年5月5日.
//
// A date whose month or day word names no month or day has no rendering: the
// result is empty.
#include <cstdint>
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "english/NumericShapes.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::int32_t maxDay = 31;
constexpr std::int32_t maxYear = 9999;

bool hasOrdinalSuffix(std::string_view s) {
  if (s.size() < 2) return false;
  for (std::string_view suffix : ordinalSuffixes)
    if (s.substr(s.size() - 2) == suffix) return true;
  return false;
}

void replaceFirst(std::string& s, std::string_view from, std::string_view to) {
  if (const std::size_t p = s.find(from); p != npos) s.replace(p, from.size(), to);
}

// A last word naming an era is taken off the text and gives the era's word.
std::string takeEra(std::string& text) {
  const std::size_t space = text.rfind(' ');
  if (space == npos) return {};
  const std::string_view last = std::string_view(text).substr(space + 1);
  for (const MarkerWord& m : eraMarkers) {
    if (last == m.marker) {
      text.erase(space);
      return std::string(m.chinese);
    }
  }
  return {};
}

// The month a word names in `map`; failing that, an abbreviation, written with
// or without its dot ("jan" reads as "jan.").
std::string_view monthOf(const TaggedMap& map, const std::string& word) {
  std::string_view m = map.lookup(word);
  if (m.empty()) m = monthMap.lookup(word);
  if (m.empty() && !word.empty() && word.back() != '.') m = monthMap.lookup(word + ".");
  return m;
}

// A day written as a number in words ("jan. five"): every piece of it a units or
// tens word, and its value a day of a month.
std::int32_t dayInWords(const std::string& d) {
  for (std::size_t b = 0; b <= d.size();) {
    std::size_t e = d.find('-', b);
    if (e == npos) e = d.size();
    const std::string_view piece = std::string_view(d).substr(b, e - b);
    if (!englishUnitsList.hasWord(piece) && !englishTensList.hasWord(piece)) return 0;
    b = e + 1;
  }
  const std::int32_t v = EnglishSentence::wordsValue(d);
  return v >= 1 && v <= maxDay ? v : 0;
}

struct DateParts {
  std::string era, year, month, day;

  // The day text d: 5, 5th or fifth gives 5日; a number above 31 is the year.
  // False when d names no day.
  bool setDay(const std::string& d) {
    if (d.empty()) return false;
    if (ascii::isDigit(d[0])) {
      if (hasOrdinalSuffix(d)) {
        day = d.substr(0, d.size() - 2) + std::string(zhWord::day);
      } else if (ascii::saturatingAtoi(d) > maxDay) {
        year = d;
        day.clear();
      } else {
        day = d + std::string(zhWord::day);
      }
      return true;
    }
    if (const std::string_view n = dayOrdinalMap.lookup(d); !n.empty()) {
      day = std::string(n) + std::string(zhWord::day);
      return true;
    }
    if (const std::int32_t n = dayInWords(d); n != 0) {
      day = std::to_string(n) + std::string(zhWord::day);
      return true;
    }
    return false;
  }

  std::string assembled() const {
    if (month.empty()) return {};
    std::string out = era;
    if (!year.empty()) out += year + std::string(zhWord::year);
    return out + month + day;
  }
};

// Cuts text at `at`, after stepping back over the punctuation and blanks
// before it ("may 5, " before the year of "may 5, 2004" leaves "may 5").
void cutBefore(std::string& text, std::size_t at) {
  while (at > 0 && (ascii::isPunct(text[at - 1]) || ascii::isSpace(text[at - 1]))) --at;
  text.erase(at);
}

// The extended rules: the parts a date of a log or a mail header carries
// around the date itself.
struct Stamp {
  std::string weekday;  // 星期日 for a leading "sun," or "sunday"
  std::string time;     // 09:09:19, as written
};

// Takes a leading weekday (full or abbreviated, with its comma or dot) and a
// clock time in digits (anywhere: "jan 4 17:59:04 2016") off text, and writes
// every day or month number without its leading zero ("09 feb" reads "9 feb").
Stamp takeStamp(std::string& text) {
  Stamp stamp;
  std::string rest;
  for (std::size_t b = 0; b < text.size();) {
    std::size_t e = text.find(' ', b);
    if (e == npos) e = text.size();
    std::string word = text.substr(b, e - b);
    b = e + 1;
    if (word.empty()) continue;
    if (rest.empty() && stamp.weekday.empty()) {
      std::string bare = word;
      while (!bare.empty() && (bare.back() == ',' || bare.back() == '.')) bare.pop_back();
      std::string_view day = weekdayMap.lookup(bare);
      if (day.empty()) day = weekdayAbbreviationMap.lookup(bare);
      if (!day.empty()) {
        stamp.weekday = std::string(day);
        continue;
      }
    }
    if (stamp.time.empty() && word.find(':') != npos && ascii::isDigit(word[0])) {
      stamp.time = word;
      continue;
    }
    // 09 and 04, (before a year) lose their zero.
    if (word.size() >= 2 && word[0] == '0' && ascii::isDigit(word[1]) &&
        (word.size() == 2 || (word.size() == 3 && (word[2] == ',' || word[2] == '.'))))
      word.erase(0, 1);
    if (!rest.empty()) rest += ' ';
    rest += word;
  }
  text = rest;
  return stamp;
}

// A date in digits (2016-12-14, 8/29/2001, 08/29) in 年/月/日, or empty.
std::string numericDate(std::string_view text) {
  shapes::NumericDate d;
  if (!shapes::readNumericDate(text, d)) return {};
  std::string out;
  if (!d.year.empty()) out += std::string(d.year) + std::string(zhWord::year);
  out += std::to_string(d.month) + std::string(zhExtended::month);
  if (d.day != 0) out += std::to_string(d.day) + std::string(zhWord::day);
  return out;
}

// A decade: the 1990s = 20世纪90年代, the '80s = 80年代, the 1900s = 1900年代.
std::string decade(std::string_view text) {
  std::string_view century, years;
  if (!shapes::readDecade(text, &century, &years)) return {};
  if (century.empty()) return std::string(years) + std::string(zhExtended::decade);
  if (years == "00") return std::string(century) + std::string(years) + std::string(zhExtended::decade);
  const int next = (century[0] - '0') * 10 + (century[1] - '0') + 1;
  return std::to_string(next) + std::string(zhExtended::century) + std::string(years) + std::string(zhExtended::decade);
}

// The extended reading of a date: the stamp's parts taken off, the date read by
// `core` (or as digits or a decade), and the parts put back after it:
// 2003年2月9日 星期日 09:09:19.
// The day a word names: 16th = 16日, fifth = 5日, 24 = 24日; empty for others.
std::string dayWord(std::string word) {
  DateParts d;
  if (!d.setDay(word) || d.day.empty()) return {};
  return d.day;
}

// A range of days, one side a date and the other a day: 24 to 30 july 2011 =
// 2011年7月24日到30日, august 10th to 16th, 2008 = 2008年8月10日到16日.
template <class Core>
std::string dayRange(const std::string& text, Core core) {
  const std::size_t to = text.find(enWord::rangeTo);
  std::string left = text.substr(0, to), right = text.substr(to + enWord::rangeTo.size());
  for (std::string* side : {&left, &right})
    if (side->compare(0, enWord::the.size(), enWord::the) == 0) side->erase(0, enWord::the.size());
  // A year after the second day belongs to the first date too.
  std::string year;
  if (const std::size_t comma = right.find(','); comma != npos) {
    year = right.substr(comma + 1);
    while (!year.empty() && year[0] == ' ') year.erase(0, 1);
    right.erase(comma);
  }
  const bool leftIsDay = !dayWord(left).empty();
  const std::string day = dayWord(leftIsDay ? left : right);
  std::string date = leftIsDay ? right : left;
  if (!year.empty()) date += ", " + year;
  const std::string full = core(date);
  const std::size_t month = full.rfind(zhExtended::month);
  if (day.empty() || full.empty() || month == npos) return {};
  const std::size_t dayStart = month + zhExtended::month.size();
  if (dayStart >= full.size()) return {};
  if (leftIsDay) return full.substr(0, dayStart) + day + std::string(zhExtended::rangeTo) + full.substr(dayStart);
  return full + std::string(zhExtended::rangeTo) + day;
}

template <class Core>
std::string extendedDate(std::string text, Core core) {
  if (text.find(enWord::rangeTo) != npos) return dayRange(text, core);
  const Stamp stamp = takeStamp(text);
  // March of 2010 is March 2010.
  if (const std::size_t of = text.find(enWord::of); of != npos && ascii::isDigits(text.substr(of + enWord::of.size())))
    text.replace(of, enWord::of.size(), " ");
  std::string date = numericDate(text);
  if (date.empty()) date = decade(text);
  if (date.empty() && !text.empty()) date = core(text);
  if (date.empty()) return {};
  if (!stamp.weekday.empty()) date += " " + stamp.weekday;
  if (!stamp.time.empty()) date += " " + stamp.time;
  return date;
}

}  // namespace

std::string EnglishSentence::translateMonthDate(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateMonthDate(std::move(text));
  return extendedDate(std::move(text), [](std::string t) { return translateMonthDate(std::move(t)); });
}

std::string EnglishSentence::translateDayDate(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateDayDate(std::move(text));
  return extendedDate(std::move(text), [](std::string t) {
    // A day-led date that lost its year to nothing but a time reads month-led too.
    return t.find(' ') == npos ? translateMonthDate(std::move(t)) : translateDayDate(std::move(t));
  });
}

std::string EnglishSentence::translateMonthDate(std::string text) {
  replaceFirst(text, " . ", ". ");  // "jan . 5" is "jan. 5"
  const std::size_t dash = text.find(" - ");
  DateParts date;
  date.era = takeEra(text);
  if (dash != npos && text.compare(dash, 3, " - ") == 0) text.replace(dash, 3, "-");
  replaceFirst(text, " , ", ",");
  replaceFirst(text, " ,", ",");
  replaceFirst(text, ", ", ",");

  // A year: the last word when it ends like a number, or whatever follows a
  // comma; a number above 9999 is no year. The number test looks at the third
  // last and the last character, or at the first and the last of a shorter
  // text, so that the short years of an era are years too (53 b.c.).
  if (const std::size_t comma = text.find(','); comma == npos) {
    const std::size_t n = text.size();
    if (n > 0 && ascii::isDigit(text[n >= 3 ? n - 3 : 0]) && ascii::isDigit(text[n - 1])) {
      const std::size_t space = text.rfind(' ');
      const std::size_t start = space == npos ? 0 : space + 1;
      if (ascii::saturatingAtoi(std::string_view(text).substr(start)) <= maxYear) {
        date.year = text.substr(start);
        cutBefore(text, start);
      }
    }
  } else if (ascii::saturatingAtoi(std::string_view(text).substr(comma + 1)) <= maxYear) {
    date.year = text.substr(comma + 1);
    cutBefore(text, comma + 1);
  }

  // A year alone: 2004 = 2004年, 500 b.c. = 公元前500年.
  if (text.empty() || text == " ") {
    if (date.year.empty()) return {};
    return date.era + date.year + std::string(zhWord::year);
  }

  const std::size_t space = text.find(' ');
  if (space == npos) {
    // A month with neither day nor year: a name or a dotted abbreviation
    // (may, dec.). A dotless abbreviation alone is more often a word or a
    // name (DEC, Jan) than a month, and has no rendering.
    date.month = date.year.empty() ? monthMap.lookup(text) : monthOf(monthMap, text);
  } else {
    std::string dayText;
    if (const std::size_t of = text.find(enWord::of); of != npos) {
      date.month = monthOf(monthMap, text.substr(of + enWord::of.size()));
      dayText = text.substr(0, of);
    } else {
      date.month = monthOf(monthMap, text.substr(0, space));
      dayText = text.substr(space + 1);
    }
    if (!date.setDay(dayText)) return {};
  }
  return date.assembled();
}

std::string EnglishSentence::translateDayDate(std::string text) {
  DateParts date;
  date.era = takeEra(text);
  replaceFirst(text, " , ", " ");
  replaceFirst(text, " ,", " ");
  replaceFirst(text, ", ", " ");

  // Day, month and an optional year: "5 may", "5 may 2004".
  const std::size_t first = text.find(' ');
  if (first == npos) return {};
  const std::size_t lastSpace = text.rfind(' ');
  std::string monthWord;
  if (lastSpace == first) {
    monthWord = text.substr(first + 1);
  } else {
    monthWord = text.substr(first + 1, lastSpace - first - 1);
    // Only digits make a year: the word after "5th may this" is none.
    if (const std::string y = text.substr(lastSpace + 1); ascii::isDigits(y)) date.year = y;
  }
  date.month = monthOf(fullMonthMap, monthWord);
  if (!date.setDay(text.substr(0, first))) return {};
  return date.assembled();
}

}  // namespace vestrilo
