// Every number conversion and translator of the Chinese side, called directly
// with arbitrary bytes: the first byte picks the function, the rest is its
// argument. The library may hand these functions texts that recognition never
// produces, so each must take any string.
#include <cstddef>
#include <cstdint>
#include <string>

#include "chinese/ChineseSentence.h"
#include "fuzz/FuzzSupport.h"

namespace {

using vestrilo::ChineseSentence;
using Function = std::string (*)(std::string);

// A function and, for the conversions that always give a fixed-width digit
// string, that width (0: any text).
struct Entry {
  Function function;
  std::size_t digits;
};

constexpr Entry kFunctions[] = {
    {&ChineseSentence::chineseNumeralToDigits4, 0},
    {&ChineseSentence::chineseNumeralToDigits8, 0},
    {&ChineseSentence::chineseNumeralToArabic, 16},
    {&ChineseSentence::chineseDigitsToArabic, 0},
    {&ChineseSentence::hundredsToEnglish, 0},
    {&ChineseSentence::digitsToEnglish, 0},
    {&ChineseSentence::translateNumber, 0},
    {&ChineseSentence::translateFigure, 0},
    {&ChineseSentence::translateDate, 0},
    {&ChineseSentence::translateClock, 0},
    {&ChineseSentence::translateFractional, 0},
    {&ChineseSentence::translateOrdinal, 0},
    {&ChineseSentence::translateWeek, 0},
    {&ChineseSentence::convertPunctuation, 0},
    {&ChineseSentence::translateUnitNumber, 0},
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
