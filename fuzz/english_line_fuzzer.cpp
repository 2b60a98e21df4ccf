// libFuzzer entry point: a whole -E2C line through the stages and every output operation.
// The body and its checks are in FuzzTargets.h.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vestrilo::fuzz::englishLine(data, size);
  return 0;
}
