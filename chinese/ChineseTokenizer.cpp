// Chinese tokenizer (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

void ChineseSentence::tokenize() {  }

}  // namespace vestrilo
