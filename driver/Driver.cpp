#include "driver/Driver.h"

#include <cstdlib>
#include <cstring>
#include <deque>
#include <future>
#include <memory>
#include <thread>

#include "chinese/ChineseSentence.h"
#include "driver/LineReader.h"
#include "english/EnglishSentence.h"

namespace vestrilo {

void runStages(ChineseSentence& sentence) {
  sentence.tokenize();
  sentence.adjust();
  sentence.recognize();
}

void runStages(EnglishSentence& sentence) {
  sentence.tokenize();
  sentence.recognize();
  sentence.disambiguate();
}

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

namespace {

// Runs lines through the stages of one direction. The sentence objects are
// reused from line to line so that their buffers are allocated once per batch,
// not once per line; each line still starts from an empty entity list.
class LineProcessor {
 public:
  explicit LineProcessor(Direction direction) : direction_(direction) {}

  void collect(std::string_view line, std::vector<TranslationPair>& pairs) {
    if (direction_ == Direction::ChineseToEnglish) {
      chinese_.sentence.assign(line.data(), line.size());
      chinese_.entities.clear();
      runStages(chinese_);
      chinese_.translationPairs(pairs);
    } else {
      english_.sentence.assign(line.data(), line.size());
      english_.lowered.assign(line.data(), line.size());
      english_.entities.clear();
      runStages(english_);
      english_.translationPairs(pairs);
    }
  }

 private:
  Direction direction_;
  ChineseSentence chinese_;
  EnglishSentence english_;
};

}  // namespace

void collectLinePairs(Direction direction, std::string_view line, std::vector<TranslationPair>& pairs) {
  LineProcessor(direction).collect(line, pairs);
}

unsigned workerThreads() {
  if (const char* v = std::getenv("VESTRILO_THREADS")) {
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    if (end != v && *end == '\0' && n > 0) return n > 256 ? 256u : static_cast<unsigned>(n);
  }
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : cores;
}

namespace {

// The pairs of every line of one batch, unfiltered; line k owns
// pairs[lineEnds[k-1] .. lineEnds[k]).
// One batch of lines with the pairs of every line, unfiltered; line k owns
// pairs[lineEnds[k-1] .. lineEnds[k]). Batches are recycled, so their buffers
// are allocated once per run rather than once per batch.
struct Batch {
  LineBatch lines;
  std::vector<TranslationPair> pairs;
  std::vector<std::size_t> lineEnds;
};
using BatchPtr = std::unique_ptr<Batch>;

BatchPtr processBatch(Direction direction, BatchPtr b) {
  LineProcessor processor(direction);
  b->pairs.clear();
  b->lineEnds.clear();
  for (std::string_view line : b->lines.lines) {
    processor.collect(line, b->pairs);
    b->lineEnds.push_back(b->pairs.size());
  }
  return b;
}

// Writes the progress messages and, through the registry, the new pairs of one
// batch, in line order. False when the output file could not be written.
bool emitBatch(const Batch& r, unsigned long long& lineNumber, std::FILE* console, RunFiles& files) {
  std::string progress, text;
  std::size_t begin = 0;
  const TranslationPair* pairs = r.pairs.data();
  for (std::size_t end : r.lineEnds) {
    progress += "\nProcessing Line ";
    progress += std::to_string(lineNumber++);
    emittedPairs.admitLines(pairs + begin, pairs + end, text);
    begin = end;
  }
  std::fwrite(progress.data(), 1, progress.size(), console);
  return files.write(text);
}

}  // namespace

int runVestrilo(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  if (argc != 4)
    return reportError(err, "Error: 4 parameters are needed, such as \"Vestrilo.exe -C2E[-E2C] infile outfile\"");
  Direction direction;
  if (!parseDirection(argv[1], direction))
    return reportError(err, "\nError: the 1st parameter should be \"-C2E\" or \"-E2C\"");
  RunFiles files(out, err);
  if (!files.open(argv[2], argv[3])) return -1;

  LineReader reader(files.input());
  unsigned long long lineNumber = 1;
  const unsigned threads = workerThreads();
  if (threads <= 1) {
    auto batch = std::make_unique<Batch>();
    while (reader.next(batch->lines)) {
      batch = processBatch(direction, std::move(batch));
      if (!emitBatch(*batch, lineNumber, out, files)) break;
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
      if (!files.writeFailed() && !emitBatch(*done, lineNumber, out, files)) more = false;
      spare.push_back(std::move(done));
    }
  }
  return files.finish(reader.failed());
}

}  // namespace vestrilo
