// Every number conversion and translator of the English side, called directly
// with arbitrary bytes: the first byte picks the function, the rest is its
// argument. The library may hand these functions texts that recognition never
// produces, so each must take any string.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "english/EnglishSentence.h"
#include "fuzz/FuzzSupport.h"

namespace {

using vestrilo::EnglishSentence;
using Function = std::string (*)(std::string);

// A function and, for the conversions that always give a fixed-width digit
// string, that width (0: any text).
struct Entry {
  Function function;
  std::size_t digits;
};

std::string wordsValueText(std::string text) { return std::to_string(EnglishSentence::wordsValue(std::move(text))); }

constexpr Entry kFunctions[] = {
    {&EnglishSentence::hundredsToDigits, 4},
    {&EnglishSentence::wordsToArabic, 16},
    {&wordsValueText, 0},
    {&EnglishSentence::fourDigitsToChinese, 0},
    {&EnglishSentence::eightDigitsToChinese, 0},
    {&EnglishSentence::sixteenDigitsToChinese, 0},
    {&EnglishSentence::translateNumber, 0},
    {&EnglishSentence::translateArabicMagnitude, 0},
    {&EnglishSentence::translateFigure, 0},
    {&EnglishSentence::translateMonthDate, 0},
    {&EnglishSentence::translateDayDate, 0},
    {&EnglishSentence::translateClock, 0},
    {&EnglishSentence::translateFraction, 0},
    {&EnglishSentence::translateOrdinal, 0},
    {&EnglishSentence::translateWeek, 0},
};
constexpr std::size_t kCount = sizeof kFunctions / sizeof kFunctions[0];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const Entry& entry = kFunctions[data[0] % kCount];
  const std::string out = entry.function(text);
  if (entry.digits != 0) {
    vestrilo::fuzz::check(out.size() == entry.digits && out.find_first_not_of("0123456789") == std::string::npos,
                          "a digit-string conversion gave something else", out);
  }
  return 0;
}
