// Reads a file in large blocks and hands out batches of whole lines as views
// into one buffer, without copying lines (InputFile and the file job read
// through it).
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

class LineReader {
 public:
  // Batches hold about blockSize bytes (more when a single line is longer).
  // A line longer than maxLine bytes stops the reading (tooLong()).
  explicit LineReader(std::FILE* file, std::size_t blockSize = std::size_t(1) << 20,
                      std::size_t maxLine = kMaxLineBytes);

  // Fills batch with the next lines; false when the file has no more lines, or
  // reading stopped. A last line without a line feed counts when it has at
  // least one byte.
  bool next(LineBatch& batch);

  // True when a read from the file failed (as opposed to reaching its end);
  // readError() is the errno of the failure.
  bool failed() const { return failed_; }
  int readError() const { return readError_; }
  // True when a line longer than maxLine stopped the reading; the lines before
  // it have been given, and it is line number linesGiven() + 1.
  bool tooLong() const { return tooLong_; }
  unsigned long long linesGiven() const { return linesGiven_; }
  // The bytes of the file the batches given so far cover (their line feeds and
  // a skipped prefix included).
  unsigned long long bytesGiven() const { return bytesGiven_; }

  // Drops the byte-order mark of the encoding from the start of the file when
  // the file begins with it (see byteOrderMarkLength); to be set before the
  // first batch. The first batch always holds the whole first line, so a mark
  // shorter than that line is seen whole.
  void skipByteOrderMark(Encoding encoding) { encoding_ = encoding; }

 private:
  std::FILE* file_;
  std::size_t blockSize_;
  std::size_t maxLine_;
  std::string carry_;  // bytes after the last line feed of the previous batch
  std::optional<Encoding> encoding_;  // the encoding whose byte-order mark is skipped
  unsigned long long linesGiven_ = 0;
  unsigned long long bytesGiven_ = 0;
  int readError_ = 0;
  bool started_ = false;
  bool eof_ = false;
  bool failed_ = false;
  bool tooLong_ = false;
};

// Splits bytes into lines at each LF; a last piece without LF is a line when it
// is not empty. Views point into bytes.
void splitLines(std::string_view bytes, std::vector<std::string_view>& lines);

// The length of the byte-order mark that starts `input` and is skipped there:
// a UTF-8 one, in UTF-8 input; 0 for anything else.
std::size_t byteOrderMarkLength(std::string_view input, Encoding encoding);

}  // namespace vestrilo
