// English tokenizer (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

void EnglishSentence::tokenize() {  }

}  // namespace vestrilo
