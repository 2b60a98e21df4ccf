// Chinese numerals to digit strings (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::chineseNumeralToDigits4(std::string text) { (void)text; return {}; }

std::string ChineseSentence::chineseNumeralToDigits8(std::string text) { (void)text; return {}; }

std::string ChineseSentence::chineseNumeralToArabic(std::string text) { (void)text; return {}; }

std::string ChineseSentence::chineseDigitsToArabic(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
