// libFuzzer entry point: every number conversion and translator of the Chinese side, with arbitrary bytes.
// The body and its checks are in FuzzTargets.h.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vestrilo::fuzz::chineseFunctions(data, size);
  return 0;
}
