// English translation output (not built yet).
#include "english/EnglishSentence.h"

namespace vestrilo {

bool EnglishSentence::isRendered(EnglishEntityKind kind) { (void)kind; return false; }

std::string EnglishSentence::translationOf(const EnglishEntity& e, std::string* candidate) const { (void)e; (void)candidate; return {}; }

void EnglishSentence::translationPairs(std::vector<TranslationPair>& out) const { (void)out; }

std::string EnglishSentence::translationLine() const { std::vector<TranslationPair> pairs; translationPairs(pairs); return emittedPairs.admitLines(pairs); }

}  // namespace vestrilo
