// Arabic numbers with Chinese magnitudes (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::translateUnitNumber(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
