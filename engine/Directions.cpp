// The two directions: each is its sentence class, with its style table, behind
// the workspace written once over it.
#include "chinese/ChineseSentence.h"
#include "chinese/ChineseStyle.h"
#include "engine/SentenceWorkspace.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"

namespace vestrilo {

namespace {

template <class S>
std::unique_ptr<Workspace> make(Encoding encoding) {
  return std::make_unique<SentenceWorkspace<S>>(encoding);
}

}  // namespace

WorkspaceMaker workspaceMaker(Direction direction) {
  return direction == Direction::ChineseToEnglish ? &make<ChineseSentence> : &make<EnglishSentence>;
}

}  // namespace vestrilo
