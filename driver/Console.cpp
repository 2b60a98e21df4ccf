#include "driver/Console.h"

#include <unistd.h>

#include <csignal>
#include <new>

namespace vestrilo {

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

// A time as m:ss, or h:mm:ss from an hour on.
std::string clockText(double seconds) {
  const unsigned long long s = seconds > 0 ? static_cast<unsigned long long>(seconds + 0.5) : 0;
  char text[32];
  if (s >= 3600)
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", s / 3600, s / 60 % 60, s % 60);
  else
    std::snprintf(text, sizeof text, "%llu:%02llu", s / 60, s % 60);
  return text;
}

}  // namespace

std::string barText(unsigned long long bytes, unsigned long long lines, double seconds,
                    std::optional<unsigned long long> size) {
  const double megabytes = static_cast<double>(bytes) / 1e6;
  char text[160];
  std::snprintf(text, sizeof text, "%.1f MB, %llu lines, %.1f MB/s, %s", megabytes, lines,
                seconds > 0 ? megabytes / seconds : 0.0, clockText(seconds).c_str());
  std::string out = text;
  if (size) {
    const double share = *size == 0 ? 1.0 : static_cast<double>(bytes < *size ? bytes : *size) / static_cast<double>(*size);
    std::snprintf(text, sizeof text, ", %d%%", static_cast<int>(share * 100));
    out += text;
    if (share > 0 && share < 1) out += ", " + clockText(seconds * (1 - share) / share) + " left";
  }
  return out;
}

ConsoleProgress::ConsoleProgress(ProgressStyle style, std::FILE* console, std::FILE* terminal)
    : style_(style),
      console_(console),
      bar_(style == ProgressStyle::Bar && terminal && isatty(fileno(terminal)) ? terminal : nullptr),
      start_(std::chrono::steady_clock::now()),
      drawn_(start_) {}

void ConsoleProgress::started() {
  if (style_ == ProgressStyle::Lines) {
    std::fputs("Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n", console_);
    std::fflush(console_);
  }
  start_ = std::chrono::steady_clock::now();
  if (bar_) draw(false);
}

void ConsoleProgress::prepare(const BatchProgress& batch, std::string& note) const {
  if (style_ == ProgressStyle::Lines) appendProgress(note, batch.firstLine, batch.lines);
}

void ConsoleProgress::report(const BatchProgress& batch, const std::string& note) {
  if (style_ == ProgressStyle::Lines) {
    std::fwrite(note.data(), 1, note.size(), console_);
    return;
  }
  if (!bar_) return;
  // The bar shows where the run stands once the batch is written.
  bytes_ = batch.bytesDone;
  lines_ = batch.firstLine - 1 + batch.lines;
  size_ = batch.inputSize;
  if (std::chrono::steady_clock::now() - drawn_ >= std::chrono::milliseconds(100)) draw(false);
}

void ConsoleProgress::draw(bool last) {
  drawn_ = std::chrono::steady_clock::now();
  const double seconds = std::chrono::duration<double>(drawn_ - start_).count();
  // Back to the line's start, the text, the rest of the line cleared.
  std::fprintf(bar_, "\r%s\x1b[K%s", barText(bytes_, lines_, seconds, size_).c_str(), last ? "\n" : "");
  std::fflush(bar_);
  shown_ = !last;
}

bool ConsoleProgress::cancelled() { return SignalGuard::caught(); }

int reportError(std::FILE* errors, const char* message) {
  std::fputs(message, errors);
  std::fflush(errors);
  return -1;
}

int runToTheEnd(int (*entry)(int, char**), int argc, char** argv) {
  try {
    return entry(argc, argv);
  } catch (const std::bad_alloc&) {
    return reportError(stderr, "Error: out of memory!\n");
  }
}

int ConsoleProgress::finish(const Status& status, std::FILE* errors) {
  if (style_ == ProgressStyle::Lines) {
    if (status.ok()) std::fputs("\nOk! Job has been done!\n", console_);
    std::fflush(console_);
  }
  if (shown_) {
    if (status.ok()) {
      draw(true);
    } else {
      std::fputs("\n", bar_);  // the message goes below the bar
      shown_ = false;
    }
  }
  if (status.ok()) return 0;
  switch (status.code()) {
    case StatusCode::Cancelled: return -1;  // the signal says why
    case StatusCode::OutputIsInput: return reportError(errors, "Error: output file is the input file!\n");
    case StatusCode::CannotOpenInput: return reportError(errors, "Error: unable to open input file!\n");
    case StatusCode::CannotReadInput: return reportError(errors, "Error: unable to read input file!\n");
    case StatusCode::CannotOpenOutput: return reportError(errors, "Error: unable to open output file!\n");
    case StatusCode::CannotWriteOutput: return reportError(errors, "Error: unable to write output file!\n");
    default: return reportError(errors, ("Error: " + status.toString() + "\n").c_str());
  }
}

// ---------------------------------------------------------------- signals

namespace {

volatile std::sig_atomic_t caughtSignal = 0;

extern "C" void recordSignal(int signal) { caughtSignal = signal; }

}  // namespace

SignalGuard::SignalGuard() {
  for (std::size_t k = 0; k < std::size(kSignals); ++k) {
    struct sigaction action = {};
    action.sa_handler = recordSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a read waiting for a terminal or a pipe returns
    if (sigaction(kSignals[k], nullptr, &old_[k]) != 0 || old_[k].sa_handler == SIG_IGN) continue;
    installed_[k] = sigaction(kSignals[k], &action, nullptr) == 0;
  }
}

SignalGuard::~SignalGuard() {
  for (std::size_t k = 0; k < std::size(kSignals); ++k)
    if (installed_[k]) sigaction(kSignals[k], &old_[k], nullptr);
  if (caughtSignal != 0) raise(caughtSignal);
}

bool SignalGuard::caught() { return caughtSignal != 0; }

}  // namespace vestrilo
