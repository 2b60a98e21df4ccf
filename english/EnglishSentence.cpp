#include "english/EnglishSentence.h"

#include <algorithm>
#include <utility>

namespace vestrilo {

EnglishSentence::EnglishSentence(std::string line) : sentence(std::move(line)), lowered(sentence) {}

void EnglishSentence::merge(std::size_t first, std::size_t last, EnglishEntityKind kind) {
  mergeRecords(entities, first, last);
  if (first < entities.size()) entities[first].kind = kind;
}

}  // namespace vestrilo
