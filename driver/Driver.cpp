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
      chinese_.tokenize();
      chinese_.adjust();
      chinese_.recognize();
      chinese_.translationPairs(pairs);
    } else {
      english_.sentence.assign(line.data(), line.size());
      english_.lowered.assign(line.data(), line.size());
      english_.entities.clear();
      english_.tokenize();
      english_.recognize();
      english_.disambiguate();
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
struct BatchResult {
  std::unique_ptr<LineBatch> batch;
  std::vector<TranslationPair> pairs;
  std::vector<std::size_t> lineEnds;
};

BatchResult processBatch(Direction direction, std::unique_ptr<LineBatch> batch) {
  BatchResult r;
  LineProcessor processor(direction);
  r.lineEnds.reserve(batch->lines.size());
  for (std::string_view line : batch->lines) {
    processor.collect(line, r.pairs);
    r.lineEnds.push_back(r.pairs.size());
  }
  r.batch = std::move(batch);
  return r;
}

bool writeAll(std::FILE* f, const std::string& s) {
  return s.empty() || std::fwrite(s.data(), 1, s.size(), f) == s.size();
}

// Writes the progress messages and, through the registry, the new pairs of one
// batch, in line order. False when the output file could not be written.
bool emitBatch(const BatchResult& r, unsigned long long& lineNumber, std::FILE* console, std::FILE* output) {
  std::string progress, text;
  std::size_t begin = 0;
  const TranslationPair* pairs = r.pairs.data();
  for (std::size_t end : r.lineEnds) {
    progress += "\nProcessing Line ";
    progress += std::to_string(lineNumber++);
    emittedPairs.admitLines(pairs + begin, pairs + end, text);
    begin = end;
  }
  writeAll(console, progress);
  return writeAll(output, text);
}

}  // namespace

int runVestrilo(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  if (argc != 4) {
    std::fputs("Error: 4 parameters are needed, such as \"Vestrilo.exe -C2E[-E2C] infile outfile\"", err);
    std::fflush(err);
    return -1;
  }
  Direction direction;
  if (std::strcmp(argv[1], "-C2E") == 0) {
    direction = Direction::ChineseToEnglish;
  } else if (std::strcmp(argv[1], "-E2C") == 0) {
    direction = Direction::EnglishToChinese;
  } else {
    std::fputs("\nError: the 1st parameter should be \"-C2E\" or \"-E2C\"", err);
    std::fflush(err);
    return -1;
  }
  std::FILE* input = std::fopen(argv[2], "rb");
  if (!input) {
    std::fputs("Error: unable to open input file!\n", err);
    std::fflush(err);
    return -1;
  }
  std::FILE* output = std::fopen(argv[3], "w");
  if (!output) {
    std::fclose(input);
    std::fputs("Error: unable to open output file!\n", err);
    std::fflush(err);
    return -1;
  }
  std::setvbuf(output, nullptr, _IOFBF, std::size_t(1) << 20);

  std::fputs("Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n", out);
  std::fflush(out);

  LineReader reader(input);
  unsigned long long lineNumber = 1;
  bool writeFailed = false;
  const unsigned threads = workerThreads();
  if (threads <= 1) {
    for (;;) {
      auto batch = std::make_unique<LineBatch>();
      if (!reader.next(*batch)) break;
      if (!emitBatch(processBatch(direction, std::move(batch)), lineNumber, out, output)) {
        writeFailed = true;
        break;
      }
    }
  } else {
    // Batches are processed in parallel and emitted strictly in input order, so
    // the output and the console text are those of a single-threaded run.
    std::deque<std::future<BatchResult>> inFlight;
    bool more = true;
    while (more || !inFlight.empty()) {
      while (more && inFlight.size() < threads) {
        auto batch = std::make_unique<LineBatch>();
        if (!reader.next(*batch)) {
          more = false;
          break;
        }
        inFlight.push_back(std::async(std::launch::async, processBatch, direction, std::move(batch)));
      }
      if (inFlight.empty()) break;
      BatchResult r = inFlight.front().get();
      inFlight.pop_front();
      if (!writeFailed && !emitBatch(r, lineNumber, out, output)) {
        writeFailed = true;
        more = false;
      }
    }
  }
  std::fclose(input);
  if (writeFailed || std::fflush(output) != 0 || std::ferror(output)) writeFailed = true;
  if (std::fclose(output) != 0) writeFailed = true;
  if (writeFailed) {
    std::fflush(out);
    std::fputs("Error: unable to write output file!\n", err);
    std::fflush(err);
    return -1;
  }
  std::fputs("\nOk! Job has been done!\n", out);
  std::fflush(out);
  return 0;
}

}  // namespace vestrilo
