// English recognition markup (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::markupHtml() const { return {}; }

std::string EnglishSentence::markupTags() const { return {}; }

}  // namespace vestrilo
