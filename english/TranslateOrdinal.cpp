// Ordinal and weekday translation (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::translateOrdinal(std::string text) { (void)text; return {}; }

std::string EnglishSentence::translateWeek(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
