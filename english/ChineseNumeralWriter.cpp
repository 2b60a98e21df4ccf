// Digit strings to Chinese numerals (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::fourDigitsToChinese(std::string digits) { (void)digits; return {}; }

std::string EnglishSentence::eightDigitsToChinese(std::string digits) { (void)digits; return {}; }

std::string EnglishSentence::sixteenDigitsToChinese(std::string digits) { (void)digits; return {}; }

}  // namespace vestrilo
