// Figure and range translation (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::translateFigure(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
