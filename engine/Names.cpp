// The library's names and small values: version, status text, the names of
// directions, encodings, renderings and kinds, and text as UTF-8.
#include <cstring>
#include <initializer_list>
#include <string>

#include "core/Utf8Gbk.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

const char* version() { return VESTRILO_VERSION; }

std::string Status::toString() const {
  std::string out = message_;
  if (!fileName_.empty()) out += ": " + fileName_;
  if (systemError_ != 0) {
    out += ": ";
    out += std::strerror(systemError_);
  }
  return out;
}

bool directionNamed(std::string_view name, Direction& direction) {
  if (name == "C2E") {
    direction = Direction::ChineseToEnglish;
    return true;
  }
  if (name == "E2C") {
    direction = Direction::EnglishToChinese;
    return true;
  }
  return false;
}

bool directionOption(std::string_view argument, Direction& direction) {
  return !argument.empty() && argument[0] == '-' && directionNamed(argument.substr(1), direction);
}

std::string_view directionName(Direction direction) {
  return direction == Direction::ChineseToEnglish ? "C2E" : "E2C";
}

namespace {

// Whether `name` is `candidate` in any letter case (candidate in one case).
bool namedInAnyCase(std::string_view name, std::string_view candidate) {
  if (name.size() != candidate.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(name[i]) != lower(candidate[i])) return false;
  }
  return true;
}

// The value among `values` whose name (nameOf) is `name` in any letter case.
template <class Value>
bool namedAmong(std::string_view name, std::initializer_list<Value> values, std::string_view (*nameOf)(Value),
                Value& value) {
  for (Value v : values) {
    if (namedInAnyCase(name, nameOf(v))) {
      value = v;
      return true;
    }
  }
  return false;
}

}  // namespace

bool encodingNamed(std::string_view name, Encoding& encoding) {
  return namedAmong(name, {Encoding::GBK, Encoding::UTF8}, &encodingName, encoding);
}

bool rulesNamed(std::string_view name, Rules& rules) {
  return namedAmong(name, {Rules::Classic, Rules::Extended}, &rulesName, rules);
}

std::string_view rulesName(Rules rules) { return rules == Rules::Classic ? "classic" : "extended"; }

std::string_view encodingName(Encoding encoding) { return encoding == Encoding::GBK ? "GBK" : "UTF-8"; }

bool renderingNamed(std::string_view name, Rendering& rendering) {
  static constexpr struct {
    std::string_view name;
    Rendering rendering;
  } names[] = {
      {"tags", Rendering::Tags},
      {"html", Rendering::Html},
      {"translated-tags", Rendering::TranslatedTags},
      {"translated-html", Rendering::TranslatedHtml},
      {"pairs-html", Rendering::PairsHtml},
  };
  for (const auto& n : names) {
    if (n.name == name) {
      rendering = n.rendering;
      return true;
    }
  }
  return false;
}

std::string_view kindName(EntityKind kind) {
  static constexpr std::string_view names[kEntityKinds] = {
      "Number",    "Figure",  "Ordinal", "Week", "Date",       "Clock",    "Arabic",          "ArabicWithUnit", "Fractional",
      "MonthDate", "DayDate", "Units",   "Tens", "WordNumber", "Fraction", "ArabicMagnitude", "FigureOrClock",  "ClockOrNumber",
  };
  const int k = static_cast<int>(kind);
  return k >= 0 && k < kEntityKinds ? names[k] : std::string_view();
}

std::string toUtf8(std::string_view text, Encoding encoding) {
  std::string out;
  if (encoding == Encoding::GBK)
    utf8::appendGbkAsUtf8(out, text);
  else
    utf8::appendWellFormed(out, text);
  return out;
}

bool operator==(const Pair& a, const Pair& b) {
  return a.source == b.source && a.translation == b.translation && a.candidate == b.candidate;
}

}  // namespace vestrilo
