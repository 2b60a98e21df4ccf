// The console text of the command lines: the banner, "Processing Line N" per
// line, the closing message and the error messages.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

// Writes the banner a run starts with (nothing when console is null).
void printBanner(std::FILE* console);

// Appends the progress messages "\nProcessing Line N" of count lines, the
// first numbered `first`.
void appendProgress(std::string& out, unsigned long long first, std::size_t count);

// The progress of a file job on the console: the banner when it starts and a
// message per line (formatted by the threads that extract the lines).
class ConsoleProgress final : public Progress {
 public:
  explicit ConsoleProgress(std::FILE* console) : console_(console) {}
  void started() override;
  void prepare(const BatchProgress& batch, std::string& note) const override;
  void report(const BatchProgress& batch, const std::string& note) override;

 private:
  std::FILE* console_;
};

// Writes an error message and returns the exit status -1.
int reportError(std::FILE* errors, const char* message);

// The end of a run: for Ok the closing message on the console (when it is not
// null), exit status 0; else the console flushed and the error message of the
// status, exit status -1.
int finishRun(const Status& status, std::FILE* console, std::FILE* errors);

}  // namespace vestrilo
