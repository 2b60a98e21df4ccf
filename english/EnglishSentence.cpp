#include "english/EnglishSentence.h"

#include <algorithm>
#include <utility>

namespace vestrilo {

EnglishSentence::EnglishSentence(std::string line) : sentence(std::move(line)), lowered(sentence) {}

EnglishNeighbours EnglishSentence::neighbours(std::size_t i) const {
  EnglishNeighbours v;
  if (i < entities.size()) {
    v.cur = entities[i];
    v.curText = workingText(v.cur);
  }
  if (i > 0 && i - 1 < entities.size()) {
    v.prev = entities[i - 1];
    v.prevText = workingText(v.prev);
  }
  if (i + 1 < entities.size()) {
    v.next = entities[i + 1];
    v.nextText = workingText(v.next);
  }
  return v;
}

void EnglishSentence::merge(std::size_t first, std::size_t last, EnglishEntityKind kind) {
  mergeRecords(entities, first, last);
  if (first < entities.size()) entities[first].kind = kind;
}

}  // namespace vestrilo
