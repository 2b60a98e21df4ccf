#include "driver/LineLoop.h"

#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driver/LineReader.h"

namespace vestrilo {

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
  if (console_) {
    std::fputs("Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n", console_);
    std::fflush(console_);
  }
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
    if (console_) std::fflush(console_);
    return reportError(errors_, writeFailed_ ? "Error: unable to write output file!\n"
                                             : "Error: unable to read input file!\n");
  }
  if (console_) {
    std::fputs("\nOk! Job has been done!\n", console_);
    std::fflush(console_);
  }
  return 0;
}

namespace {

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

BatchPtr processBatch(Direction direction, const Options& options, BatchPtr b) {
  if (!b->extractor) b->extractor.emplace(direction, options);
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
    if (console) {
      progress += "\nProcessing Line ";
      progress += std::to_string(lineNumber);
    }
    ++lineNumber;
    registry.admitLines(pairs + begin, pairs + end, text);
    begin = end;
  }
  if (console) std::fwrite(progress.data(), 1, progress.size(), console);
  return files.write(text);
}

}  // namespace

int runBatchJob(Direction direction, const Options& options, unsigned threads, const char* inputPath,
                const char* outputPath, std::FILE* console, std::FILE* errors) {
  RunFiles files(console, errors);
  if (!files.open(inputPath, outputPath)) return -1;

  // The run's registry: a pair written for one line is suppressed on every later line.
  Registry registry;
  LineReader reader(files.input());
  if (options.encoding == Encoding::UTF8) reader.skipPrefix(kByteOrderMark);
  unsigned long long lineNumber = 1;
  if (threads <= 1) {
    auto batch = std::make_unique<Batch>();
    while (reader.next(batch->lines)) {
      batch = processBatch(direction, options, std::move(batch));
      if (!emitBatch(*batch, registry, lineNumber, console, files)) break;
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
        inFlight.push_back(std::async(std::launch::async, processBatch, direction, std::cref(options), std::move(batch)));
      }
      if (inFlight.empty()) break;
      BatchPtr done = inFlight.front().get();
      inFlight.pop_front();
      // After a failed write the batches still in flight are waited for, not emitted.
      if (!files.writeFailed() && !emitBatch(*done, registry, lineNumber, console, files)) more = false;
      spare.push_back(std::move(done));
    }
  }
  return files.finish(reader.failed());
}

}  // namespace vestrilo
