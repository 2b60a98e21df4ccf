// The two directions' record kinds as the public kinds of entities.
#pragma once

#include <optional>

#include "chinese/ChineseSentence.h"
#include "english/EnglishSentence.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

// The public kind of a record kind; none for the kinds of records that are not
// entities (Plain, Latin, Magnitude, NoNeighbour).
std::optional<EntityKind> entityKind(ChineseEntityKind kind);
std::optional<EntityKind> entityKind(EnglishEntityKind kind);

}  // namespace vestrilo
