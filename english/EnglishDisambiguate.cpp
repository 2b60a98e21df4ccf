// English disambiguation (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

void EnglishSentence::disambiguate() {  }

}  // namespace vestrilo
