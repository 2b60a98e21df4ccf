// Fraction and percentage translation (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::translateFraction(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
