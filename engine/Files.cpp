// The files of the library: InputFile and OutputFile.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#include "engine/LineReader.h"
#include "engine/MovedFrom.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

namespace {

// What both files hold: the file, its name and what went wrong with it.
struct OpenFile {
  OpenFile() = default;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (file) std::fclose(file);
  }

  // Opens the file in `mode`; on failure the status `failure` with errno.
  const Status& open(const std::string& name, const char* mode, StatusCode failure, const char* message) {
    path = name;
    file = std::fopen(name.c_str(), mode);
    status = file ? Status() : Status(failure, message, errno, name);
    return status;
  }

  std::FILE* file = nullptr;
  std::string path;
  Status status{StatusCode::InvalidArgument, "the file is not open"};
};

}  // namespace

// ---------------------------------------------------------------- InputFile

struct InputFile::State : OpenFile {
  std::optional<LineReader> reader;
  std::size_t maxLine = kMaxLineBytes;
  std::optional<unsigned long long> size;
};

InputFile::InputFile() : state_(std::make_unique<State>()) {}
InputFile::~InputFile() = default;
InputFile::InputFile(InputFile&&) noexcept = default;
InputFile& InputFile::operator=(InputFile&&) noexcept = default;

Status InputFile::open(const std::string& path, Encoding encoding, std::size_t maxLineBytes) {
  if (!notMovedFrom(state_.get())) return movedFromStatus();
  if (maxLineBytes == 0 || maxLineBytes > kMaxLineBytes)
    return Status(StatusCode::InvalidArgument, "the longest line must be 1 to " + std::to_string(kMaxLineBytes) + " bytes");
  state_ = std::make_unique<State>();
  State& s = *state_;
  if (!s.open(path, "rb", StatusCode::CannotOpenInput, "unable to open input file").ok()) return s.status;
  struct stat info;
  if (fstat(fileno(s.file), &info) == 0 && S_ISREG(info.st_mode))
    s.size = static_cast<unsigned long long>(info.st_size);
  s.maxLine = maxLineBytes;
  s.reader.emplace(s.file, std::size_t(1) << 20, maxLineBytes);
  s.reader->skipByteOrderMark(encoding);
  return s.status;
}

bool InputFile::next(LineBatch& batch) {
  batch.lines.clear();
  if (!notMovedFrom(state_.get()) || !state_->reader || !state_->status.ok()) return false;
  State& s = *state_;
  if (s.reader->next(batch)) return true;
  if (s.reader->failed())
    s.status = Status(StatusCode::CannotReadInput, "unable to read input file", s.reader->readError(), s.path);
  else if (s.reader->tooLong())
    s.status = Status(StatusCode::LineTooLong,
                      "line " + std::to_string(s.reader->linesGiven() + 1) + " is longer than " +
                          std::to_string(s.maxLine) + " bytes",
                      0, s.path);
  return false;
}

const Status& InputFile::status() const {
  return notMovedFrom(state_.get()) ? state_->status : movedFromStatus();
}

unsigned long long InputFile::linesRead() const {
  return notMovedFrom(state_.get()) && state_->reader ? state_->reader->linesGiven() : 0;
}

unsigned long long InputFile::bytesDone() const {
  return notMovedFrom(state_.get()) && state_->reader ? state_->reader->bytesGiven() : 0;
}

std::optional<unsigned long long> InputFile::size() const {
  return notMovedFrom(state_.get()) ? state_->size : std::nullopt;
}

// ---------------------------------------------------------------- OutputFile

struct OutputFile::State : OpenFile {};

OutputFile::OutputFile() : state_(std::make_unique<State>()) {}
OutputFile::~OutputFile() = default;
OutputFile::OutputFile(OutputFile&&) noexcept = default;
OutputFile& OutputFile::operator=(OutputFile&&) noexcept = default;

Status OutputFile::open(const std::string& path) {
  if (!notMovedFrom(state_.get())) return movedFromStatus();
  state_ = std::make_unique<State>();
  State& s = *state_;
  if (!s.open(path, "w", StatusCode::CannotOpenOutput, "unable to open output file").ok()) return s.status;
  std::setvbuf(s.file, nullptr, _IOFBF, std::size_t(1) << 20);
  return s.status;
}

Status OutputFile::write(std::string_view bytes) {
  if (!notMovedFrom(state_.get())) return movedFromStatus();
  State& s = *state_;
  if (s.status.ok() && !s.file) s.status = Status(StatusCode::CannotWriteOutput, "the output file is closed", 0, s.path);
  if (s.status.ok() && !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), s.file) != bytes.size())
    s.status = Status(StatusCode::CannotWriteOutput, "unable to write output file", errno, s.path);
  return s.status;
}

Status OutputFile::close() {
  if (!notMovedFrom(state_.get())) return movedFromStatus();
  State& s = *state_;
  if (!s.file) return s.status;
  auto failed = [&s] {
    if (s.status.ok()) s.status = Status(StatusCode::CannotWriteOutput, "unable to write output file", errno, s.path);
  };
  if (std::fflush(s.file) != 0 || std::ferror(s.file)) failed();
  if (std::fclose(s.file) != 0) failed();
  s.file = nullptr;
  return s.status;
}

}  // namespace vestrilo
