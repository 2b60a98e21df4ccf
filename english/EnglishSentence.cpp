#include "english/EnglishSentence.h"

#include <algorithm>
#include <utility>

namespace vestrilo {

EnglishSentence::EnglishSentence(std::string line) : sentence(std::move(line)), lowered(sentence) {}

std::size_t EnglishSentence::merge(std::size_t first, std::size_t last, EnglishEntityKind kind) {
  mergeRecords(entities, first, last);
  if (first < entities.size()) entities[first].kind = kind;
  return first + 1;
}

}  // namespace vestrilo
