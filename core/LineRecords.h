// The part both sentence classes share: the line as read and the records the
// stages make of it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/EntityList.h"

namespace vestrilo {

// The rules the stages apply: the classic set, or the extended set (the classic
// set with the additions and guards that the stages mark as extended).
enum class RuleSet : unsigned char { Classic, Extended };

template <class KindType>
class LineRecords {
 public:
  using Kind = KindType;
  using Entity = Record<Kind>;

  std::string sentence;  // the line as read
  EntityList<Entity> entities;
  RuleSet rules = RuleSet::Classic;  // chosen once, before the first line

  bool extended() const { return rules == RuleSet::Extended; }

  // The bytes of the line a record covers (clamped to the line).
  std::string_view sourceText(const Entity& e) const { return recordText(sentence, e); }

  // The translation of an entity of a kind that is its own translation (an
  // Arabic number): its source text. A direction may say otherwise.
  std::string_view ownTranslation(const Entity& e) const { return sourceText(e); }

  // Merges record first with the later record last (see mergeRecords) and gives
  // the merged record the kind `kind`. Returns the position after the merged
  // record, where a pass that goes on after it continues. Kept out of line:
  // the passes call it from many places, and copies inlined there cost more
  // than the call.
  [[gnu::noinline]] std::size_t merge(std::size_t first, std::size_t last, Kind kind) {
    mergeRecords(entities, first, last);
    if (first < entities.size()) entities[first].kind = kind;
    return first + 1;
  }

 protected:
  // Starts over on a new line: the line is copied and the records cleared;
  // buffers are kept, so one object can serve line after line.
  void assignLine(std::string_view line) {
    sentence.assign(line.data(), line.size());
    entities.clear();
  }
};

}  // namespace vestrilo
