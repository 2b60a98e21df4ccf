#include "chinese/ChineseSentence.h"

#include <algorithm>
#include <utility>

namespace vestrilo {

ChineseSentence::ChineseSentence(std::string line) : sentence(std::move(line)) {}

std::string_view ChineseSentence::text(const ChineseEntity& e) const { return recordText(sentence, e); }

ChineseNeighbours ChineseSentence::neighbours(std::size_t i) const {
  ChineseNeighbours v;
  if (i < entities.size()) {
    v.cur = entities[i];
    v.curText = text(v.cur);
  }
  if (i > 0 && i - 1 < entities.size()) {
    v.prev = entities[i - 1];
    v.prevText = text(v.prev);
  }
  if (i + 1 < entities.size()) {
    v.next = entities[i + 1];
    v.nextText = text(v.next);
  }
  return v;
}

void ChineseSentence::merge(std::size_t first, std::size_t last, ChineseEntityKind kind) {
  mergeRecords(entities, first, last);
  if (first < entities.size()) entities[first].kind = kind;
}

}  // namespace vestrilo
