// The console text of the command lines: the progress of a run in the style
// VESTRILO_PROGRESS chooses (the banner, "Processing Line N" per line and the
// closing message; a self-updating bar; or nothing), the error messages, and
// the signals that stop a run.
#pragma once

#include <signal.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

// What the console shows while a run goes on.
enum class ProgressStyle {
  Lines,  // the banner, "Processing Line N" per line, the closing message
  Bar,    // one self-updating line on standard error, where it is a terminal
  None,   // nothing but errors
};

// Appends the progress messages "\nProcessing Line N" of count lines, the
// first numbered `first`.
void appendProgress(std::string& out, unsigned long long first, std::size_t count);

// The bar's text for a run that has done `bytes` bytes and `lines` lines in
// `seconds`, of `size` bytes when that is known: bytes and lines done, MB/s,
// the time elapsed and, with a size, the share done and the time left.
std::string barText(unsigned long long bytes, unsigned long long lines, double seconds,
                    std::optional<unsigned long long> size);

// The console of a run and the progress of its file job. `console` receives
// the lines style (standard output, or standard error when the pairs go to
// standard output); `terminal` the bar (standard error), which is drawn only
// when it is a terminal. The job is cancelled once a signal has come (see
// SignalGuard).
class ConsoleProgress final : public Progress {
 public:
  ConsoleProgress(ProgressStyle style, std::FILE* console, std::FILE* terminal);
  void started() override;
  void prepare(const BatchProgress& batch, std::string& note) const override;
  void report(const BatchProgress& batch, const std::string& note) override;
  bool cancelled() override;

  // The end of the run: for Ok the closing message (lines) or the bar's last
  // state, and exit status 0; after a signal nothing (exit status -1); else the
  // error message of the status on `errors`, exit status -1.
  int finish(const Status& status, std::FILE* errors);

 private:
  void draw(bool last);

  ProgressStyle style_;
  std::FILE* console_;
  std::FILE* bar_;  // null when no bar is drawn
  std::chrono::steady_clock::time_point start_, drawn_;
  unsigned long long bytes_ = 0, lines_ = 0;
  std::optional<unsigned long long> size_;
  bool shown_ = false;  // the bar is on the screen and wants a line end
};

// Writes an error message and returns the exit status -1.
int reportError(std::FILE* errors, const char* message);

// Runs a program's entry point; when memory runs out, what the run was writing
// is gone (its objects discard it) and the message "Error: out of memory!"
// ends it with exit status -1.
int runToTheEnd(int (*entry)(int, char**), int argc, char** argv);

// While it lives, SIGINT, SIGTERM, SIGHUP and SIGPIPE (those not ignored) are
// caught and recorded instead of ending the process, so that a run stops
// between two batches and removes what it was writing. When it goes, the
// signals are handled as before, and a signal that came is raised again: the
// process ends as the signal would have ended it.
class SignalGuard {
 public:
  SignalGuard();
  ~SignalGuard();
  SignalGuard(const SignalGuard&) = delete;
  SignalGuard& operator=(const SignalGuard&) = delete;

  // Whether one of the signals has come (while any guard lived).
  static bool caught();

 private:
  static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
  struct sigaction old_[std::size(kSignals)];
  bool installed_[std::size(kSignals)] = {};
};

}  // namespace vestrilo
