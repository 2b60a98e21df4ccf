// Digit strings to English words (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::hundredsToEnglish(std::string digits) { (void)digits; return {}; }

std::string ChineseSentence::digitsToEnglish(std::string digits) { (void)digits; return {}; }

}  // namespace vestrilo
