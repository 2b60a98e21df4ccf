// Chinese translation output (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

bool ChineseSentence::isTranslated(ChineseEntityKind kind) { (void)kind; return false; }

std::string ChineseSentence::translationOf(const ChineseEntity& e) const { (void)e; return {}; }

void ChineseSentence::translationPairs(std::vector<TranslationPair>& out) const { (void)out; }

std::string ChineseSentence::translationLine() const { std::vector<TranslationPair> pairs; translationPairs(pairs); return emittedPairs.admitLines(pairs); }

}  // namespace vestrilo
