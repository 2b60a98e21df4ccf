// The driver's line splitting: LineReader over an in-memory file, with block
// sizes small enough that lines straddle many blocks, checked against
// splitLines over the whole input and against the bytes themselves.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "driver/LineReader.h"
#include "fuzz/FuzzSupport.h"

namespace {

using vestrilo::fuzz::check;

// Joining the lines with line feeds gives the bytes back: a final line feed is
// the only thing splitting drops (an empty last piece is no line).
void checkReconstructs(std::string_view bytes, const std::vector<std::string>& lines, const char* who) {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) joined += '\n';
    joined += lines[i];
  }
  if (!bytes.empty() && bytes.back() == '\n') joined += '\n';
  check(joined == bytes, who, joined);
}

bool inside(std::string_view part, const std::string& whole) {
  const auto p = reinterpret_cast<std::uintptr_t>(part.data());
  const auto w = reinterpret_cast<std::uintptr_t>(whole.data());
  return part.empty() || (p >= w && p + part.size() <= w + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vestrilo;
  if (size == 0) return 0;
  // First byte: the block size (1..64 bytes, or 4 KiB for the top values).
  const std::size_t blockSize = data[0] >= 0xF0 ? 4096 : 1 + data[0] % 64;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::vector<std::string_view> views;
  splitLines(bytes, views);
  std::vector<std::string> expected(views.begin(), views.end());
  for (std::string_view v : views) check(inside(v, bytes), "splitLines gave a view outside its bytes");
  checkReconstructs(bytes, expected, "splitLines lost or added bytes");

  // fmemopen needs a writable buffer even for reading.
  std::string buffer = bytes;
  std::FILE* file = fmemopen(buffer.data(), buffer.size(), "rb");
  if (!file) return 0;
  LineReader reader(file, blockSize);
  std::vector<std::string> got;
  LineBatch batch;
  std::size_t batches = 0;
  while (reader.next(batch)) {
    ++batches;
    check(!batch.lines.empty(), "a batch without lines was reported");
    for (std::string_view v : batch.lines) {
      check(inside(v, batch.bytes), "a line view points outside its batch");
      got.emplace_back(v);
    }
    check(batches <= bytes.size() + 1, "the reader does not come to an end");
  }
  check(!reader.next(batch), "the reader gave lines after its end");
  check(!reader.failed(), "a read from memory was reported as failed");
  std::fclose(file);
  check(got == expected, "LineReader and splitLines disagree", bytes);
  return 0;
}
