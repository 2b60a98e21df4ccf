// Chinese recognition markup (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::markupHtml() const { return {}; }

std::string ChineseSentence::markupTags() const { return {}; }

}  // namespace vestrilo
