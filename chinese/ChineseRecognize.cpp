// Chinese recognition (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

void ChineseSentence::recognize() {  }

}  // namespace vestrilo
