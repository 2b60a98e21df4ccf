#include "english/EnglishWordClasses.h"


namespace vestrilo {

namespace english_word {

namespace {

WordTable build() {
  WordTable t;
  for (const ClassList& c : classLists) t.addList(c.list->text(), c.bits);
  return t;
}

}  // namespace

const WordTable& table() {
  static const WordTable words = build();
  return words;
}

}  // namespace english_word

}  // namespace vestrilo
