// The files of the library: InputFile and OutputFile.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "engine/LineReader.h"
#include "engine/MovedFrom.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

namespace {

// The name that stands for the standard stream of a file.
constexpr std::string_view kStandardStream = "-";

// What both files hold: the file, its name and what went wrong with it.
struct OpenFile {
  OpenFile() = default;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (file) std::fclose(file);
  }

  // Opens the file in `mode`, or a copy of the standard stream `stream` (a
  // descriptor of its own, so that closing it leaves the stream open); on
  // failure the status `failure` with errno.
  const Status& open(const std::string& name, const char* mode, int stream, StatusCode failure, const char* message) {
    path = name;
    if (name == kStandardStream) {
      const int copy = fcntl(stream, F_DUPFD_CLOEXEC, 0);
      file = copy < 0 ? nullptr : fdopen(copy, mode);
      if (copy >= 0 && !file) {
        const int error = errno;
        ::close(copy);
        errno = error;
      }
    } else {
      file = std::fopen(name.c_str(), mode);
    }
    status = file ? Status() : Status(failure, message, errno, name);
    return status;
  }

  std::FILE* file = nullptr;
  std::string path;
  Status status{StatusCode::InvalidArgument, "the file is not open"};
};

// A regular file's place in the file system.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
};

std::optional<FileIdentity> regularFile(const struct stat& info) {
  if (!S_ISREG(info.st_mode)) return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino};
}

}  // namespace

// ---------------------------------------------------------------- InputFile

struct InputFile::State : OpenFile {
  std::optional<LineReader> reader;
  std::size_t maxLine = kMaxLineBytes;
  std::optional<unsigned long long> size;
  std::optional<FileIdentity> identity;  // of a regular file
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
  if (!s.open(path, "rb", STDIN_FILENO, StatusCode::CannotOpenInput, "unable to open input file").ok()) return s.status;
  struct stat info;
  if (fstat(fileno(s.file), &info) == 0) {
    // A directory opens, but reading it fails: say so before anything is written.
    if (S_ISDIR(info.st_mode)) return s.status = Status(StatusCode::CannotReadInput, "unable to read input file", EISDIR, path);
    s.identity = regularFile(info);
    if (s.identity) {
      const off_t at = lseek(fileno(s.file), 0, SEEK_CUR);  // standard input may start inside its file
      const unsigned long long from = at > 0 ? static_cast<unsigned long long>(at) : 0;
      const unsigned long long size = static_cast<unsigned long long>(info.st_size);
      s.size = size > from ? size - from : 0;
    }
  }
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

namespace {

// The file a path leads to through symbolic links (relative links read from
// the link's directory); the path itself when it names no link or nothing. 0,
// or the error that stopped the search.
int linkTarget(const std::string& path, std::string& target) {
  target = path;
  for (int links = 0; links < 40; ++links) {
    struct stat info;
    if (lstat(target.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(info.st_mode)) return 0;
    std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    for (;;) {
      const ssize_t n = readlink(target.c_str(), link.data(), link.size());
      if (n < 0) return errno;
      if (static_cast<std::size_t>(n) < link.size()) {
        link.resize(static_cast<std::size_t>(n));
        break;
      }
      link.resize(link.size() * 2);  // the link grew since lstat
    }
    if (link.empty()) return ENOENT;
    if (link[0] != '/') {
      const std::size_t slash = target.rfind('/');
      if (slash != std::string::npos) link.insert(0, target, 0, slash + 1);
    }
    target = std::move(link);
  }
  return ELOOP;
}

// Creates a new file beside `target`, in its directory: ".NAME.XXXXXX.partial",
// with the mode a new file gets (0666 less the umask). Its descriptor, or -1
// with errno.
int createBeside(const std::string& target, std::string& temporary) {
  const std::size_t slash = target.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.empty() || name == "." || name == "..") {
    errno = EISDIR;
    return -1;
  }
  if (name.size() > 200) name.resize(200);  // room for the rest within a name's 255 bytes
  static std::atomic<unsigned long long> counter{0};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned long long seed = static_cast<unsigned long long>(getpid()) * 0x9E3779B97F4A7C15ull ^
                              static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                              (counter.fetch_add(1) << 40);
    std::string suffix(6, 'x');
    for (char& c : suffix) {
      c = kLetters[seed % 62];
      seed /= 62;
    }
    temporary = directory + "." + name + "." + suffix + ".partial";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

struct OutputFile::State : OpenFile {
  ~State() { discard(); }

  // Closes the file; a temporary one is removed.
  void discard() {
    if (file) std::fclose(file);
    file = nullptr;
    if (!temporary.empty()) unlink(temporary.c_str());
    temporary.clear();
  }

  std::string temporary;  // the file being written beside `target`, when there is one
  std::string target;
};

OutputFile::OutputFile() : state_(std::make_unique<State>()) {}
OutputFile::~OutputFile() = default;
OutputFile::OutputFile(OutputFile&&) noexcept = default;
OutputFile& OutputFile::operator=(OutputFile&&) noexcept = default;

Status OutputFile::open(const std::string& path, const std::vector<const InputFile*>& inputs) {
  if (!notMovedFrom(state_.get())) return movedFromStatus();
  state_ = std::make_unique<State>();
  State& s = *state_;
  s.path = path;
  auto failed = [&s](int error) -> const Status& {
    return s.status = Status(StatusCode::CannotOpenOutput, "unable to open output file", error, s.path);
  };
  // Refuses a file being read: writing it would lose the input.
  auto isInput = [&](const struct stat& info) {
    const std::optional<FileIdentity> output = regularFile(info);
    if (!output) return false;
    for (const InputFile* input : inputs) {
      if (!input || !notMovedFrom(input->state_.get()) || !input->state_->identity) continue;
      const FileIdentity& read = *input->state_->identity;
      if (read.device == output->device && read.inode == output->inode) return true;
    }
    return false;
  };
  auto refuseInput = [&s] {
    return s.status = Status(StatusCode::OutputIsInput, "output file is the input file", 0, s.path);
  };

  struct stat info;
  if (path == kStandardStream) {
    if (fstat(STDOUT_FILENO, &info) == 0 && isInput(info)) return refuseInput();
    if (!s.open(path, "wb", STDOUT_FILENO, StatusCode::CannotOpenOutput, "unable to open output file").ok())
      return s.status;
  } else {
    if (const int error = linkTarget(path, s.target)) return failed(error);
    const bool exists = stat(s.target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) return failed(errno);
    if (exists && isInput(info)) return refuseInput();
    if (exists && !S_ISREG(info.st_mode)) {
      // A FIFO or a device is written directly (a directory fails here).
      if (!s.open(path, "wb", STDOUT_FILENO, StatusCode::CannotOpenOutput, "unable to open output file").ok())
        return s.status;
    } else {
      const int fd = createBeside(s.target, s.temporary);
      if (fd < 0) return failed(errno);
      if (exists) {
        // The new file takes the old one's owner (where allowed) and mode.
        if (fchown(fd, info.st_uid, info.st_gid) != 0) {
        }
        if (fchmod(fd, info.st_mode & 07777) != 0) {
        }
      }
      s.file = fdopen(fd, "wb");
      if (!s.file) {
        const int error = errno;
        ::close(fd);
        s.discard();
        return failed(error);
      }
      s.status = Status();
    }
  }
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
  // A file put in place is on the disk first, so that the old one is never
  // replaced by a file that a crash could leave short.
  if (s.status.ok() && !s.temporary.empty() && fsync(fileno(s.file)) != 0) failed();
  if (std::fclose(s.file) != 0) failed();
  s.file = nullptr;
  if (s.status.ok() && !s.temporary.empty()) {
    if (std::rename(s.temporary.c_str(), s.target.c_str()) != 0)
      failed();
    else
      s.temporary.clear();
  }
  s.discard();
  return s.status;
}

void OutputFile::discard() {
  if (notMovedFrom(state_.get())) state_->discard();
}

}  // namespace vestrilo
