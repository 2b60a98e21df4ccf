// The file job: reads a file in batches of lines, extracts the batches on
// several threads, and admits and writes their pairs strictly in input order.
#include "engine/FileJob.h"

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <limits>
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
  bool extracted = false;
};
using BatchPtr = std::unique_ptr<Batch>;

void processBatch(const LineCollector& collector, const Progress* progress, Batch& b) {
  b.pairs.clear();
  b.lineEnds.clear();
  collector.collect(b.lines.lines, b.pairs, b.lineEnds);
  b.note.clear();
  if (progress) progress->prepare(b.progress, b.note);
  b.extracted = true;
}

// Blocks every signal on the calling thread while it lives, so that threads
// started meanwhile take none.
class SignalsBlocked {
 public:
  SignalsBlocked() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &old_);
  }
  ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
  SignalsBlocked(const SignalsBlocked&) = delete;
  SignalsBlocked& operator=(const SignalsBlocked&) = delete;

 private:
  sigset_t old_;
};

// Worker threads that take batches in any order and hand them back by their
// place in the file. They take no signals. A thread that cannot be started
// means resources are short: half of those that started are let go again.
// A worker whose batch fails (it ran out of memory) hands the batch back
// unextracted and stops; the thread that takes the batch back extracts it.
class Workers {
 public:
  Workers(unsigned count, const LineCollector& collector, const Progress* progress)
      : collector_(collector), progress_(progress) {
    bool short_ = false;
    {
      const SignalsBlocked blocked;
      for (unsigned k = 0; k < count; ++k) {
        try {
          threads_.emplace_back([this, k] { work(k); });
        } catch (...) {  // no thread (std::system_error), or no memory for its state
          short_ = true;
          break;
        }
      }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    alive_ = threads_.size();
    if (short_) keep_ = threads_.size() / 2;
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

  // Lets go of the threads beyond those kept; the number that work. At most
  // `slotsPerThread` batches per thread may be in flight from then on.
  std::size_t settle(std::size_t slotsPerThread) {
    std::size_t working = 0;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      working = keep_ < threads_.size() ? keep_ : threads_.size();
      // Every batch in flight has its place for its return, so that a worker
      // hands a batch back without allocating.
      done_.resize(std::max<std::size_t>(1, working * slotsPerThread));
    }
    if (working < threads_.size()) {
      workReady_.notify_all();
      for (std::size_t k = working; k < threads_.size(); ++k) threads_[k].join();
      threads_.resize(working);
    }
    return working;
  }

  void submit(BatchPtr batch) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      todo_.push_back(std::move(batch));
    }
    workReady_.notify_one();
  }

  // Waits for the batch at place sequence in the file and takes it back,
  // extracted (by the calling thread when no worker did).
  BatchPtr take(unsigned long long sequence) {
    BatchPtr batch;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      for (;;) {
        if (BatchPtr& slot = done_[sequence % done_.size()]; slot && slot->sequence == sequence) {
          batch = std::move(slot);
          break;
        }
        if (alive_ == 0) {
          for (auto it = todo_.begin(); it != todo_.end(); ++it) {
            if ((*it)->sequence != sequence) continue;
            batch = std::move(*it);
            todo_.erase(it);
            break;
          }
          break;
        }
        doneReady_.wait(lock);
      }
    }
    if (!batch->extracted) processBatch(collector_, progress_, *batch);
    return batch;
  }

 private:
  void work(std::size_t index) {
    for (;;) {
      BatchPtr batch;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        workReady_.wait(lock, [&] { return closing_ || index >= keep_ || !todo_.empty(); });
        if (closing_ || index >= keep_) {
          --alive_;
          return;
        }
        batch = std::move(todo_.front());
        todo_.pop_front();
      }
      batch->extracted = false;
      bool failed = false;
      try {
        processBatch(collector_, progress_, *batch);
      } catch (...) {
        failed = true;  // the batch goes back as it came
      }
      {
        std::lock_guard<std::mutex> lock(mutex_);
        BatchPtr& slot = done_[batch->sequence % done_.size()];
        slot = std::move(batch);
        if (failed) --alive_;
      }
      doneReady_.notify_all();
      if (failed) return;
    }
  }

  const LineCollector& collector_;
  const Progress* progress_;
  std::mutex mutex_;
  std::condition_variable workReady_, doneReady_;
  std::deque<BatchPtr> todo_;
  std::vector<BatchPtr> done_;  // batches handed back, by their place modulo the slots
  bool closing_ = false;
  std::size_t keep_ = std::numeric_limits<std::size_t>::max();  // threads from this index on stop
  std::size_t alive_ = 0;                                        // threads still taking batches
  std::vector<std::thread> threads_;
};

}  // namespace

Status runFileJob(const FileJob& job, const LineCollector& collector) {
  InputFile input;  // opened first: it also refuses a bad line limit
  if (Status s = input.open(job.input, job.options.encoding, job.maxLineBytes); !s.ok()) return s;
  OutputFile output;  // discarded unless the job completes
  if (Status s = output.open(job.output, {&input}); !s.ok()) return s;
  if (job.progress) job.progress->started();

  // The run's registry: a pair written for one line is suppressed on every later line.
  Registry registry;
  Status written;          // the first failure to write
  bool cancelled = false;  // the progress asked to stop
  std::string text;        // the pair lines of the batch being emitted
  // Reads the next batch; false at the end, or when the job is to stop (asked
  // before each read, which may wait long on a pipe or a terminal).
  auto fill = [&](Batch& batch) {
    if (job.progress && job.progress->cancelled()) {
      cancelled = true;
      return false;
    }
    if (!input.next(batch.lines)) return false;
    batch.progress.firstLine = input.linesRead() - batch.lines.lines.size() + 1;
    batch.progress.lines = batch.lines.lines.size();
    batch.progress.bytesDone = input.bytesDone();
    batch.progress.inputSize = input.size();
    return true;
  };
  // Reports the batch and writes its new pairs, in line order; false once the
  // output cannot be written or the job is to stop.
  auto emit = [&](const Batch& b) {
    if (job.progress && job.progress->cancelled()) {
      cancelled = true;
      return false;
    }
    if (job.progress) job.progress->report(b.progress, b.note);
    text.clear();
    if (!b.pairs.empty()) registry.admitLines(b.pairs.data(), b.pairs.data() + b.pairs.size(), text);
    written = output.write(text);
    return written.ok();
  };

  unsigned threads = job.threads;
  if (threads == 0) threads = std::thread::hardware_concurrency();
  if (threads > kMaxThreads) threads = kMaxThreads;
  std::unique_ptr<Workers> workers;
  std::size_t helpers = 0;
  if (threads > 1) {
    workers = std::make_unique<Workers>(threads, collector, job.progress);
    helpers = workers->settle(2);
    if (helpers < 2) workers.reset();
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
    const std::size_t aheadLimit = 2 * helpers;
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
      if (written.ok() && !cancelled && !emit(*done)) more = false;
      spare.push_back(std::move(done));
    }
  }
  if (!cancelled && job.progress && job.progress->cancelled()) cancelled = true;
  if (cancelled) return Status(StatusCode::Cancelled, "the job was cancelled");
  if (!written.ok()) return written;
  if (!input.status().ok()) return input.status();
  return output.close();
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
