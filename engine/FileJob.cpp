// The file job: reads a file in batches of lines, extracts the batches on
// several threads, and admits and writes their pairs strictly in input order.
#include "engine/FileJob.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace vestrilo {

namespace {

// One batch of lines with the pairs of every line, unfiltered. Batches are
// recycled, so their buffers outlive a batch. The worker also has the batch's
// progress note made (it is told the batch's place in the file), so that the
// in-order emit only reports, filters and writes.
struct Batch {
  LineBatch lines;
  std::vector<Pair> pairs;
  std::vector<std::size_t> lineEnds;
  unsigned long long sequence = 0;  // the batch's place in the file
  BatchProgress progress;
  std::string note;
};
using BatchPtr = std::unique_ptr<Batch>;

void processBatch(const LineCollector& collector, const Progress* progress, Batch& b) {
  b.pairs.clear();
  b.lineEnds.clear();
  collector.collect(b.lines.lines, b.pairs, b.lineEnds);
  b.note.clear();
  if (progress) progress->prepare(b.progress, b.note);
}

// Worker threads that take batches in any order and hand them back by their
// place in the file. A thread that cannot be started is done without: size()
// says how many run.
class Workers {
 public:
  Workers(unsigned count, const LineCollector& collector, const Progress* progress)
      : collector_(collector), progress_(progress) {
    for (unsigned k = 0; k < count; ++k) {
      try {
        threads_.emplace_back([this] { work(); });
      } catch (const std::system_error&) {
        break;
      }
    }
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

  std::size_t size() const { return threads_.size(); }

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
  void work() {
    for (;;) {
      BatchPtr batch;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        workReady_.wait(lock, [&] { return closing_ || !todo_.empty(); });
        if (todo_.empty()) return;
        batch = std::move(todo_.front());
        todo_.pop_front();
      }
      processBatch(collector_, progress_, *batch);
      {
        std::lock_guard<std::mutex> lock(mutex_);
        const unsigned long long sequence = batch->sequence;
        done_.emplace(sequence, std::move(batch));
      }
      doneReady_.notify_all();
    }
  }

  const LineCollector& collector_;
  const Progress* progress_;
  std::mutex mutex_;
  std::condition_variable workReady_, doneReady_;
  std::deque<BatchPtr> todo_;
  std::map<unsigned long long, BatchPtr> done_;
  bool closing_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace

Status runFileJob(const FileJob& job, const LineCollector& collector) {
  InputFile input;  // opened first: it also refuses a bad line limit
  if (Status s = input.open(job.input, job.options.encoding, job.maxLineBytes); !s.ok()) return s;
  OutputFile output;
  if (Status s = output.open(job.output); !s.ok()) return s;
  if (job.progress) job.progress->started();

  // The run's registry: a pair written for one line is suppressed on every later line.
  Registry registry;
  Status written;        // the first failure to write
  std::string text;      // the pair lines of the batch being emitted
  auto fill = [&](Batch& batch) {
    if (!input.next(batch.lines)) return false;
    batch.progress.firstLine = input.linesRead() - batch.lines.lines.size() + 1;
    batch.progress.lines = batch.lines.lines.size();
    batch.progress.bytesDone = input.bytesDone();
    batch.progress.inputSize = input.size();
    return true;
  };
  // Reports the batch and writes its new pairs, in line order; false once the
  // output cannot be written.
  auto emit = [&](const Batch& b) {
    if (job.progress) job.progress->report(b.progress, b.note);
    text.clear();
    if (!b.pairs.empty()) registry.admitLines(b.pairs.data(), b.pairs.data() + b.pairs.size(), text);
    written = output.write(text);
    return written.ok();
  };

  unsigned threads = job.threads;
  if (threads == 0) threads = std::thread::hardware_concurrency();
  std::unique_ptr<Workers> workers;
  if (threads > 1) {
    workers = std::make_unique<Workers>(threads, collector, job.progress);
    if (workers->size() < 2) workers.reset();
  }
  if (!workers) {
    Batch batch;
    while (fill(batch)) {
      processBatch(collector, job.progress, batch);
      if (!emit(batch)) break;
    }
  } else {
    // Batches are processed by the workers in any order and emitted strictly in
    // input order, so the output and the progress are those of a
    // single-threaded run. Two batches per thread are read ahead, so that a
    // worker that finishes finds work waiting while the oldest batch is still
    // running.
    const std::size_t aheadLimit = 2 * workers->size();
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
        workers->submit(std::move(batch));
      }
      if (emitted == submitted) break;
      BatchPtr done = workers->take(emitted++);
      // After a failed write the batches still in flight are waited for, not emitted.
      if (written.ok() && !emit(*done)) more = false;
      spare.push_back(std::move(done));
    }
  }
  const Status closed = output.close();
  if (!written.ok()) return written;
  if (!closed.ok()) return closed;
  return input.status();
}

namespace {

// The pairs of lines as an extractor gives them.
class ExtractorCollector final : public LineCollector {
 public:
  explicit ExtractorCollector(const Extractor& extractor) : extractor_(extractor) {}
  void collect(const std::vector<std::string_view>& lines, std::vector<Pair>& found,
               std::vector<std::size_t>& ends) const override {
    extractor_.collect(lines, found, ends);
  }

 private:
  const Extractor& extractor_;
};

}  // namespace

Status extractFile(const FileJob& job) {
  const Extractor extractor(job.direction, job.options);
  if (!extractor.ok()) return extractor.status();
  return runFileJob(job, ExtractorCollector(extractor));
}

}  // namespace vestrilo
