// Alternative renderings of the English translation output (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

std::string EnglishSentence::translationLineHtml() const { return {}; }

std::string EnglishSentence::translationLineTagged() const { return {}; }

std::string EnglishSentence::translationLineHtmlPairs() const { return {}; }

}  // namespace vestrilo
