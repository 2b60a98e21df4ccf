// libFuzzer entry point: the file reader's line splitting (LineReader over an in-memory file, splitLines).
// The body and its checks are in FuzzTargets.h.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vestrilo::fuzz::lineReader(data, size);
  return 0;
}
