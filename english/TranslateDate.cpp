// Date translation (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::translateMonthDate(std::string text) { (void)text; return {}; }

std::string EnglishSentence::translateDayDate(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
