// Clock translation (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::translateClock(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
