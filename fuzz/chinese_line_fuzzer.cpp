// libFuzzer entry point: a whole -C2E line through the stages and every output operation.
// The body and its checks are in FuzzTargets.h.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vestrilo::fuzz::chineseLine(data, size);
  return 0;
}
