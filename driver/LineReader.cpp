#include "driver/LineReader.h"

#include <cstring>

namespace vestrilo {

LineReader::LineReader(std::FILE* file, std::size_t blockSize)
    : file_(file), blockSize_(blockSize == 0 ? 1 : blockSize) {}

void splitLines(std::string_view bytes, std::vector<std::string_view>& lines) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const void* lf = std::memchr(bytes.data() + pos, '\n', bytes.size() - pos);
    if (!lf) {
      lines.push_back(bytes.substr(pos));
      return;
    }
    const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - bytes.data());
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 1;
  }
}

bool LineReader::next(LineBatch& batch) {
  batch.lines.clear();
  batch.bytes.swap(carry_);
  carry_.clear();
  // Read until the batch holds a line feed and about blockSize bytes, or the file ends.
  std::size_t lastLf = std::string::npos;
  while (!eof_) {
    if (lastLf != std::string::npos && batch.bytes.size() >= blockSize_) break;
    const std::size_t old = batch.bytes.size();
    batch.bytes.resize(old + blockSize_);
    const std::size_t got = std::fread(&batch.bytes[old], 1, blockSize_, file_);
    batch.bytes.resize(old + got);
    if (got < blockSize_) {
      if (std::ferror(file_)) failed_ = true;
      eof_ = true;
    }
    // Only the new bytes are searched, so a very long line costs linear time.
    if (got > 0) {
      if (const void* lf = memrchr(batch.bytes.data() + old, '\n', got))
        lastLf = static_cast<std::size_t>(static_cast<const char*>(lf) - batch.bytes.data());
    }
  }
  if (!eof_) {
    // Keep the bytes after the last line feed for the next batch.
    carry_.assign(batch.bytes, lastLf + 1, std::string::npos);
    batch.bytes.resize(lastLf + 1);
  }
  if (!started_) {
    started_ = true;
    if (!prefix_.empty() && batch.bytes.compare(0, prefix_.size(), prefix_) == 0) batch.bytes.erase(0, prefix_.size());
  }
  if (batch.bytes.empty()) return false;
  splitLines(batch.bytes, batch.lines);
  return !batch.lines.empty();
}

}  // namespace vestrilo
