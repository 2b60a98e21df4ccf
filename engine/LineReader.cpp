#include "engine/LineReader.h"

#include <cerrno>
#include <cstring>

#include "core/Utf8Gbk.h"

namespace vestrilo {

LineReader::LineReader(std::FILE* file, std::size_t blockSize, std::size_t maxLine)
    : file_(file), blockSize_(blockSize == 0 ? 1 : blockSize), maxLine_(maxLine) {}

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

std::size_t byteOrderMarkLength(std::string_view input, Encoding encoding) {
  return encoding == Encoding::UTF8 && input.substr(0, utf8::byteOrderMark.size()) == utf8::byteOrderMark
             ? utf8::byteOrderMark.size()
             : 0;
}

bool LineReader::next(LineBatch& batch) {
  batch.lines.clear();
  batch.bytes.swap(carry_);
  carry_.clear();
  if (tooLong_) return false;
  // Read until the batch holds a line feed and about blockSize bytes, or the
  // file ends, or the line being read is longer than a line may be.
  std::size_t lastLf = std::string::npos;
  while (!eof_) {
    if (lastLf != std::string::npos && batch.bytes.size() >= blockSize_) break;
    const std::size_t old = batch.bytes.size();
    batch.bytes.resize(old + blockSize_);
    const std::size_t got = std::fread(&batch.bytes[old], 1, blockSize_, file_);
    batch.bytes.resize(old + got);
    if (got < blockSize_) {
      if (std::ferror(file_)) {
        failed_ = true;
        readError_ = errno;
      }
      eof_ = true;
    }
    // Only the new bytes are searched, so a very long line costs linear time.
    if (got > 0) {
      if (const void* lf = memrchr(batch.bytes.data() + old, '\n', got))
        lastLf = static_cast<std::size_t>(static_cast<const char*>(lf) - batch.bytes.data());
    }
    const std::size_t open = batch.bytes.size() - (lastLf == std::string::npos ? 0 : lastLf + 1);
    if (open > maxLine_ + (started_ ? 0 : utf8::byteOrderMark.size())) {
      // The line being read is too long already: give the lines before it.
      tooLong_ = true;
      batch.bytes.resize(lastLf == std::string::npos ? 0 : lastLf + 1);
      break;
    }
  }
  if (!eof_ && !tooLong_) {
    // Keep the bytes after the last line feed for the next batch.
    carry_.assign(batch.bytes, lastLf + 1, std::string::npos);
    batch.bytes.resize(lastLf + 1);
  }
  if (!started_) {
    started_ = true;
    if (const std::size_t mark = encoding_ ? byteOrderMarkLength(batch.bytes, *encoding_) : 0) {
      batch.bytes.erase(0, mark);
      bytesGiven_ += mark;
    }
  }
  if (batch.bytes.empty()) return false;
  splitLines(batch.bytes, batch.lines);
  if (batch.bytes.size() > maxLine_) {
    for (std::size_t i = 0; i < batch.lines.size(); ++i) {
      if (batch.lines[i].size() <= maxLine_) continue;
      // Lines from this one on are not given.
      tooLong_ = true;
      carry_.clear();
      batch.bytes.resize(static_cast<std::size_t>(batch.lines[i].data() - batch.bytes.data()));
      batch.lines.resize(i);
      break;
    }
  }
  linesGiven_ += batch.lines.size();
  bytesGiven_ += batch.bytes.size();
  return !batch.lines.empty();
}

}  // namespace vestrilo
