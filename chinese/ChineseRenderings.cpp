// Alternative renderings of the Chinese translation output (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::translationLineHtml() const { return {}; }

std::string ChineseSentence::translationLineTagged() const { return {}; }

std::string ChineseSentence::translationLineHtmlPairs() const { return {}; }

}  // namespace vestrilo
