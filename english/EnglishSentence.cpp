#include "english/EnglishSentence.h"

#include <utility>

namespace vestrilo {

EnglishSentence::EnglishSentence(std::string line) : sentence(std::move(line)), lowered(sentence) {}

void EnglishSentence::assign(std::string_view line) {
  sentence.assign(line.data(), line.size());
  lowered.assign(line.data(), line.size());
  entities.clear();
}

void EnglishSentence::runStages() {
  tokenize();
  recognize();
  disambiguate();
}

std::size_t EnglishSentence::merge(std::size_t first, std::size_t last, EnglishEntityKind kind) {
  mergeRecords(entities, first, last);
  if (first < entities.size()) entities[first].kind = kind;
  return first + 1;
}

}  // namespace vestrilo
