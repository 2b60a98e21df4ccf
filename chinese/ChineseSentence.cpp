#include "chinese/ChineseSentence.h"

#include <utility>

namespace vestrilo {

ChineseSentence::ChineseSentence(std::string line) : sentence(std::move(line)) {}

void ChineseSentence::merge(std::size_t first, std::size_t last, ChineseEntityKind kind) {
  mergeRecords(entities, first, last);
  if (first < entities.size()) entities[first].kind = kind;
}

}  // namespace vestrilo
