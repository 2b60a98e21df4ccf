// English number words to digit strings (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::hundredsToDigits(std::string text) { (void)text; return {}; }

std::string EnglishSentence::wordsToArabic(std::string text) { (void)text; return {}; }

std::int32_t EnglishSentence::wordsValue(std::string text) { (void)text; return 0; }

}  // namespace vestrilo
