#include "english/EnglishSentence.h"

#include <utility>

namespace vestrilo {

EnglishSentence::EnglishSentence(std::string line) {
  sentence = std::move(line);
  lowered = sentence;
}

void EnglishSentence::assign(std::string_view line) {
  assignLine(line);
  lowered.assign(line.data(), line.size());
}

void EnglishSentence::runStages() {
  tokenize();
  recognize();
  disambiguate();
}

std::size_t EnglishSentence::takeFirstByteOfNext(std::size_t i, EnglishEntityKind kind) {
  if (i + 1 >= entities.size()) return i + 1;
  EnglishEntity& cur = entities[i];
  EnglishEntity& next = entities[i + 1];
  if (next.length < 1) return i + 1;
  cur.length = next.start - cur.start + 1;
  cur.kind = kind;
  if (next.length == 1) {
    entities.erase(i + 1);
  } else {
    ++next.start;
    --next.length;
  }
  return i + 1;
}

}  // namespace vestrilo
