#include "chinese/ChineseSentence.h"

#include <utility>

namespace vestrilo {

ChineseSentence::ChineseSentence(std::string line) { sentence = std::move(line); }

void ChineseSentence::runStages() {
  tokenize();
  adjust();
  recognize();
}

}  // namespace vestrilo
