#include "core/EmittedPairs.h"

#include <cstdint>

namespace vestrilo {

// The source length leads the key, so that (source, translation) is recovered
// exactly whatever bytes the two texts hold. The key is built in a buffer kept
// between calls, so a lookup allocates nothing.
const std::string& EmittedPairs::key(std::string_view source, std::string_view translation) const {
  const std::uint64_t n = source.size();
  scratch_.assign(reinterpret_cast<const char*>(&n), sizeof n);
  scratch_.append(source);
  scratch_.append(translation);
  return scratch_;
}

bool EmittedPairs::contains(std::string_view source, std::string_view translation) const {
  return keys_.count(key(source, translation)) != 0;
}

bool EmittedPairs::insert(std::string_view source, std::string_view translation) {
  return keys_.insert(key(source, translation)).second;
}

void EmittedPairs::appendPairLine(std::string& out, std::string_view source, std::string_view translation) {
  out += source;
  out += " ||| ";
  out += translation;
  out += '\n';
}

}  // namespace vestrilo
