// Chinese adjustment pass (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

void ChineseSentence::adjust() {  }

}  // namespace vestrilo
