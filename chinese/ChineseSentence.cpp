#include "chinese/ChineseSentence.h"

#include <utility>

namespace vestrilo {

ChineseSentence::ChineseSentence(std::string line) { sentence = std::move(line); }

void ChineseSentence::runStages() {
  makeReading();
  tokenize();
  adjust();
  recognize();
}

}  // namespace vestrilo
