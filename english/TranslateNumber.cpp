// Number translation (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::translateNumber(std::string text) { (void)text; return {}; }

std::string EnglishSentence::translateArabicMagnitude(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
