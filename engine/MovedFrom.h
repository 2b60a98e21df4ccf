// The precondition of every call on the library's objects but destruction and
// assignment: the object was not moved from. Debug builds stop at an
// assertion; release builds go on, and the call gives empty results.
#pragma once

#include <cassert>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

// True when the object's state is there (it was not moved from).
inline bool notMovedFrom(const void* state) {
  assert(state && "a moved-from object may only be assigned to or destroyed");
  return state != nullptr;
}

// The status of a moved-from object.
inline const Status& movedFromStatus() {
  static const Status status(StatusCode::MovedFrom, "the object was moved from");
  return status;
}

}  // namespace vestrilo
