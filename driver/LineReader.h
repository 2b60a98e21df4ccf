// Reads a file in large blocks and hands out batches of whole lines as views
// into one buffer, without copying lines.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vestrilo {

// A batch of consecutive lines: `bytes` holds them, `lines` are views into it
// (line feeds removed, a CR before the LF kept).
struct LineBatch {
  std::string bytes;
  std::vector<std::string_view> lines;
};

class LineReader {
 public:
  // Batches hold about blockSize bytes (more when a single line is longer).
  explicit LineReader(std::FILE* file, std::size_t blockSize = std::size_t(1) << 22);

  // Fills batch with the next lines; false when the file has no more lines.
  // A last line without a line feed counts when it has at least one byte.
  bool next(LineBatch& batch);

  // True when a read from the file failed (as opposed to reaching its end).
  bool failed() const { return failed_; }

  // Drops `prefix` (a byte-order mark) from the start of the file when the file
  // begins with it; to be set before the first batch. The first batch always
  // holds the whole first line, so a prefix shorter than that line is seen whole.
  void skipPrefix(std::string_view prefix) { prefix_ = prefix; }

 private:
  std::FILE* file_;
  std::size_t blockSize_;
  std::string carry_;  // bytes after the last line feed of the previous batch
  std::string_view prefix_;
  bool started_ = false;
  bool eof_ = false;
  bool failed_ = false;
};

// The UTF-8 byte-order mark, skipped at the start of a UTF-8 input file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Splits bytes into lines at each LF; a last piece without LF is a line when it
// is not empty. Views point into bytes.
void splitLines(std::string_view bytes, std::vector<std::string_view>& lines);

}  // namespace vestrilo
