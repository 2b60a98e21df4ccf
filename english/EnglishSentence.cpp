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

}  // namespace vestrilo
