#include "chinese/ChineseSentence.h"

#include <utility>

namespace vestrilo {

ChineseSentence::ChineseSentence(std::string line) : sentence(std::move(line)) {}

void ChineseSentence::assign(std::string_view line) {
  sentence.assign(line.data(), line.size());
  entities.clear();
}

void ChineseSentence::runStages() {
  tokenize();
  adjust();
  recognize();
}

void ChineseSentence::merge(std::size_t first, std::size_t last, ChineseEntityKind kind) {
  mergeRecords(entities, first, last);
  if (first < entities.size()) entities[first].kind = kind;
}

}  // namespace vestrilo
