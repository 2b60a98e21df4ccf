#include "driver/Driver.h"

#include <cstdlib>
#include <cstring>
#include <deque>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "driver/LineReader.h"

namespace vestrilo {

bool parseDirection(const char* argument, Direction& direction) {
  if (std::strcmp(argument, "-C2E") == 0) {
    direction = Direction::ChineseToEnglish;
    return true;
  }
  if (std::strcmp(argument, "-E2C") == 0) {
    direction = Direction::EnglishToChinese;
    return true;
  }
  return false;
}

int reportError(std::FILE* errors, const char* message) {
  std::fputs(message, errors);
  std::fflush(errors);
  return -1;
}

RunFiles::~RunFiles() {
  if (input_) std::fclose(input_);
  if (output_) std::fclose(output_);
}

bool RunFiles::open(const char* inputPath, const char* outputPath) {
  input_ = std::fopen(inputPath, "rb");
  if (!input_) {
    reportError(errors_, "Error: unable to open input file!\n");
    return false;
  }
  output_ = std::fopen(outputPath, "w");
  if (!output_) {
    reportError(errors_, "Error: unable to open output file!\n");
    return false;
  }
  std::setvbuf(output_, nullptr, _IOFBF, std::size_t(1) << 20);
  std::fputs("Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n", console_);
  std::fflush(console_);
  return true;
}

bool RunFiles::write(std::string_view bytes) {
  if (!writeFailed_ && !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), output_) != bytes.size())
    writeFailed_ = true;
  return !writeFailed_;
}

int RunFiles::finish(bool readFailed) {
  std::fclose(input_);
  input_ = nullptr;
  if (std::fflush(output_) != 0 || std::ferror(output_)) writeFailed_ = true;
  if (std::fclose(output_) != 0) writeFailed_ = true;
  output_ = nullptr;
  if (writeFailed_ || readFailed) {
    std::fflush(console_);
    return reportError(errors_, writeFailed_ ? "Error: unable to write output file!\n"
                                             : "Error: unable to read input file!\n");
  }
  std::fputs("\nOk! Job has been done!\n", console_);
  std::fflush(console_);
  return 0;
}

bool answerInfoRequest(int argc, const char* const* argv, const char* program, const char* usage, std::FILE* out) {
  if (argc != 2) return false;
  if (std::strcmp(argv[1], "--help") == 0) {
    std::fputs(usage, out);
  } else if (std::strcmp(argv[1], "--version") == 0) {
    std::fprintf(out, "%s %s\n", program, version());
  } else {
    return false;
  }
  std::fflush(out);
  return true;
}

bool workerThreads(unsigned& threads) {
  const char* v = std::getenv("VESTRILO_THREADS");
  if (v && *v) {
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    if (end == v || *end != '\0' || n <= 0) return false;
    threads = n > 256 ? 256u : static_cast<unsigned>(n);
    return true;
  }
  const unsigned cores = std::thread::hardware_concurrency();
  threads = cores == 0 ? 1 : cores;
  return true;
}

namespace {

constexpr const char* usage =
    "Usage: vestrilo -C2E|-E2C infile outfile\n"
    "\n"
    "Finds number and time expressions (numbers, figures, fractions, percentages,\n"
    "ordinals, weekdays, dates, clock times) in infile, translates each one, and\n"
    "writes every distinct pair \"source ||| translation\" to outfile, one per line,\n"
    "in the order in which the pairs first occur.\n"
    "\n"
    "  -C2E      infile is word-segmented Chinese; translations are English\n"
    "  -E2C      infile is English; translations are Chinese\n"
    "  infile    GBK text, one sentence per line (LF or CR LF line ends)\n"
    "  outfile   created or replaced; receives the pairs (GBK)\n"
    "\n"
    "Progress goes to standard output; errors go to standard error with exit status 255.\n"
    "\n"
    "Environment:\n"
    "  VESTRILO_THREADS   worker threads, a positive number (default: one per core)\n"
    "\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n";

// One batch of lines with the pairs of every line, unfiltered; line k owns
// pairs[lineEnds[k-1] .. lineEnds[k]). Batches are recycled with their
// extractor, so buffers and the memo of translations outlive a batch.
struct Batch {
  LineBatch lines;
  std::optional<Extractor> extractor;
  std::vector<Pair> pairs;
  std::vector<std::size_t> lineEnds;
};
using BatchPtr = std::unique_ptr<Batch>;

BatchPtr processBatch(Direction direction, BatchPtr b) {
  if (!b->extractor) b->extractor.emplace(direction);
  b->pairs.clear();
  b->lineEnds.clear();
  for (std::string_view line : b->lines.lines) {
    b->extractor->collect(line, b->pairs);
    b->lineEnds.push_back(b->pairs.size());
  }
  return b;
}

// Writes the progress messages and, through the registry, the new pairs of one
// batch, in line order. False when the output file could not be written.
bool emitBatch(const Batch& r, Registry& registry, unsigned long long& lineNumber, std::FILE* console,
               RunFiles& files) {
  std::string progress, text;
  std::size_t begin = 0;
  const Pair* pairs = r.pairs.data();
  for (std::size_t end : r.lineEnds) {
    progress += "\nProcessing Line ";
    progress += std::to_string(lineNumber++);
    registry.admitLines(pairs + begin, pairs + end, text);
    begin = end;
  }
  std::fwrite(progress.data(), 1, progress.size(), console);
  return files.write(text);
}

}  // namespace

int runVestrilo(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  if (answerInfoRequest(argc, argv, "vestrilo", usage, out)) return 0;
  if (argc != 4)
    return reportError(err, "Error: 4 parameters are needed, such as \"Vestrilo.exe -C2E[-E2C] infile outfile\"");
  Direction direction;
  if (!parseDirection(argv[1], direction))
    return reportError(err, "\nError: the 1st parameter should be \"-C2E\" or \"-E2C\"");
  unsigned threads = 1;
  if (!workerThreads(threads)) return reportError(err, "Error: VESTRILO_THREADS must be a positive number\n");
  RunFiles files(out, err);
  if (!files.open(argv[2], argv[3])) return -1;

  // The run's registry: a pair written for one line is suppressed on every later line.
  Registry registry;
  LineReader reader(files.input());
  unsigned long long lineNumber = 1;
  if (threads <= 1) {
    auto batch = std::make_unique<Batch>();
    while (reader.next(batch->lines)) {
      batch = processBatch(direction, std::move(batch));
      if (!emitBatch(*batch, registry, lineNumber, out, files)) break;
    }
  } else {
    // Batches are processed in parallel and emitted strictly in input order, so
    // the output and the console text are those of a single-threaded run.
    std::deque<std::future<BatchPtr>> inFlight;
    std::vector<BatchPtr> spare;
    bool more = true;
    while (more || !inFlight.empty()) {
      while (more && inFlight.size() < threads) {
        BatchPtr batch;
        if (spare.empty()) {
          batch = std::make_unique<Batch>();
        } else {
          batch = std::move(spare.back());
          spare.pop_back();
        }
        if (!reader.next(batch->lines)) {
          more = false;
          break;
        }
        inFlight.push_back(std::async(std::launch::async, processBatch, direction, std::move(batch)));
      }
      if (inFlight.empty()) break;
      BatchPtr done = inFlight.front().get();
      inFlight.pop_front();
      // After a failed write the batches still in flight are waited for, not emitted.
      if (!files.writeFailed() && !emitBatch(*done, registry, lineNumber, out, files)) more = false;
      spare.push_back(std::move(done));
    }
  }
  return files.finish(reader.failed());
}

}  // namespace vestrilo
