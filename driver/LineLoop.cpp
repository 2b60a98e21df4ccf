#include "driver/LineLoop.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
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

// "\nProcessing Line N" for N = first, first + 1, ..., count messages. The
// number is kept as decimal digits and counted up in place.
void appendProgress(std::string& out, unsigned long long first, std::size_t count) {
  static constexpr char kPrefix[] = "\nProcessing Line ";
  constexpr std::size_t kPrefixSize = sizeof kPrefix - 1;
  char digits[24];
  char* const end = digits + sizeof digits;
  char* begin = end;
  for (unsigned long long n = first; begin == end || n != 0; n /= 10) *--begin = static_cast<char>('0' + n % 10);
  out.reserve(out.size() + count * (kPrefixSize + static_cast<std::size_t>(end - begin) + 1));
  for (std::size_t k = 0; k < count; ++k) {
    out.append(kPrefix, kPrefixSize);
    out.append(begin, static_cast<std::size_t>(end - begin));
    char* d = end - 1;
    while (d >= begin && *d == '9') *d-- = '0';
    if (d >= begin) {
      ++*d;
    } else {
      *--begin = '1';
    }
  }
}

namespace {

// One batch of lines with the pairs of every line, unfiltered; line k owns
// pairs[lineEnds[k-1] .. lineEnds[k]). Batches are recycled, so their buffers
// outlive a batch. The worker also writes the batch's progress messages (it is
// told the number of its first line), so that the in-order emit only writes
// and filters.
struct Batch {
  LineBatch lines;
  std::vector<Pair> pairs;
  std::vector<std::size_t> lineEnds;
  unsigned long long sequence = 0;  // the batch's place in the file
  unsigned long long firstLine = 1;
  bool console = false;
  std::string progress;
};
using BatchPtr = std::unique_ptr<Batch>;

void processBatch(Extractor& extractor, Batch& b) {
  b.pairs.clear();
  b.lineEnds.clear();
  for (std::string_view line : b.lines.lines) {
    extractor.collect(line, b.pairs);
    b.lineEnds.push_back(b.pairs.size());
  }
  b.progress.clear();
  if (b.console) appendProgress(b.progress, b.firstLine, b.lines.lines.size());
}

// Worker threads, one extractor each for the whole run (its memos learn the
// corpus once per thread), that take batches in any order and hand them back
// by their place in the file.
class Workers {
 public:
  Workers(unsigned count, Direction direction, const Options& options) {
    for (unsigned k = 0; k < count; ++k) threads_.emplace_back([this, direction, options] { work(direction, options); });
  }
  ~Workers() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      closing_ = true;
    }
    workReady_.notify_all();
    for (std::thread& t : threads_) t.join();
  }
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;

  void submit(BatchPtr batch) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      todo_.push_back(std::move(batch));
    }
    workReady_.notify_one();
  }

  // Waits for the batch at place sequence in the file and takes it back.
  BatchPtr take(unsigned long long sequence) {
    std::unique_lock<std::mutex> lock(mutex_);
    doneReady_.wait(lock, [&] { return done_.count(sequence) != 0; });
    auto it = done_.find(sequence);
    BatchPtr batch = std::move(it->second);
    done_.erase(it);
    return batch;
  }

 private:
  void work(Direction direction, const Options& options) {
    Extractor extractor(direction, options);
    for (;;) {
      BatchPtr batch;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        workReady_.wait(lock, [&] { return closing_ || !todo_.empty(); });
        if (todo_.empty()) return;
        batch = std::move(todo_.front());
        todo_.pop_front();
      }
      processBatch(extractor, *batch);
      {
        std::lock_guard<std::mutex> lock(mutex_);
        const unsigned long long sequence = batch->sequence;
        done_.emplace(sequence, std::move(batch));
      }
      doneReady_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable workReady_, doneReady_;
  std::deque<BatchPtr> todo_;
  std::map<unsigned long long, BatchPtr> done_;
  bool closing_ = false;
  std::vector<std::thread> threads_;
};

// Writes the progress messages and, through the registry, the new pairs of one
// batch, in line order. False when the output file could not be written.
bool emitBatch(const Batch& r, Registry& registry, std::FILE* console, std::string& text, RunFiles& files) {
  if (console) std::fwrite(r.progress.data(), 1, r.progress.size(), console);
  text.clear();
  if (!r.pairs.empty()) registry.admitLines(r.pairs.data(), r.pairs.data() + r.pairs.size(), text);
  return files.write(text);
}

}  // namespace

int runBatchJob(Direction direction, const Options& options, unsigned threads, const char* inputPath,
                const char* outputPath, std::FILE* console, std::FILE* errors) {
  RunFiles files(console, errors);
  if (!files.open(inputPath, outputPath)) return -1;

  // The run's registry: a pair written for one line is suppressed on every later line.
  Registry registry;
  // Batches of 1 MiB: small enough that the last batches of a file keep every
  // thread busy and that few lines wait in memory, large enough that the
  // threads and files are handed work rarely.
  LineReader reader(files.input(), std::size_t(1) << 20);
  if (options.encoding == Encoding::UTF8) reader.skipPrefix(kByteOrderMark);
  unsigned long long nextLine = 1;
  std::string text;  // the pair lines of the batch being emitted
  auto fill = [&](Batch& batch) {
    if (!reader.next(batch.lines)) return false;
    batch.firstLine = nextLine;
    batch.console = console != nullptr;
    nextLine += batch.lines.lines.size();
    return true;
  };
  if (threads <= 1) {
    Extractor extractor(direction, options);
    Batch batch;
    while (fill(batch)) {
      processBatch(extractor, batch);
      if (!emitBatch(batch, registry, console, text, files)) break;
    }
  } else {
    // Batches are processed by the workers in any order and emitted strictly in
    // input order, so the output and the console text are those of a
    // single-threaded run. Two batches per thread are read ahead, so that a
    // worker that finishes finds work waiting while the oldest batch is still
    // running.
    Workers workers(threads, direction, options);
    const std::size_t aheadLimit = 2 * std::size_t{threads};
    std::vector<BatchPtr> spare;
    unsigned long long submitted = 0, emitted = 0;
    bool more = true;
    while (more || emitted < submitted) {
      while (more && submitted - emitted < aheadLimit) {
        BatchPtr batch;
        if (spare.empty()) {
          batch = std::make_unique<Batch>();
        } else {
          batch = std::move(spare.back());
          spare.pop_back();
        }
        if (!fill(*batch)) {
          more = false;
          break;
        }
        batch->sequence = submitted++;
        workers.submit(std::move(batch));
      }
      if (emitted == submitted) break;
      BatchPtr done = workers.take(emitted++);
      // After a failed write the batches still in flight are waited for, not emitted.
      if (!files.writeFailed() && !emitBatch(*done, registry, console, text, files)) more = false;
      spare.push_back(std::move(done));
    }
  }
  return files.finish(reader.failed());
}

}  // namespace vestrilo
