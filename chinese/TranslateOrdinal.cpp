// Ordinal, week and punctuation translation (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::translateOrdinal(std::string text) { (void)text; return {}; }

std::string ChineseSentence::translateWeek(std::string text) { (void)text; return {}; }

std::string ChineseSentence::convertPunctuation(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
