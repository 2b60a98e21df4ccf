// English recognition (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

void EnglishSentence::recognize() {  }

}  // namespace vestrilo
