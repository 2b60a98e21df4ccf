// Fractional translation (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::translateFractional(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
