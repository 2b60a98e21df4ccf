// The line loop shared by the command lines: the files of a run, its console
// messages, and the batch job that runs every line of a file through extractors
// on several threads and writes the new pairs in input order.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

// The files of one run and the console messages around it, shared by the batch
// tool and the viewer. A null console keeps the run silent.
class RunFiles {
 public:
  RunFiles(std::FILE* console, std::FILE* errors) : console_(console), errors_(errors) {}
  ~RunFiles();
  RunFiles(const RunFiles&) = delete;
  RunFiles& operator=(const RunFiles&) = delete;

  // Opens the input (binary) and then the output file (created or truncated);
  // on failure writes the error message and returns false, leaving no output
  // file behind when the input could not be opened. On success prints the banner.
  bool open(const char* inputPath, const char* outputPath);
  std::FILE* input() const { return input_; }
  std::FILE* output() const { return output_; }

  // Appends to the output file; false (and remembered) when the write failed.
  bool write(std::string_view bytes);
  bool writeFailed() const { return writeFailed_; }

  // Closes both files and prints the closing message, or the error when the
  // input could not be read or the output not written. Returns the exit status.
  int finish(bool readFailed);

 private:
  std::FILE* console_;
  std::FILE* errors_;
  std::FILE* input_ = nullptr;
  std::FILE* output_ = nullptr;
  bool writeFailed_ = false;
};

// Appends the progress messages "\nProcessing Line N" of count lines, the
// first numbered `first`.
void appendProgress(std::string& out, unsigned long long first, std::size_t count);

// Writes an error message and returns the exit status -1.
int reportError(std::FILE* errors, const char* message);

// The batch job: opens the files, writes the banner, "\nProcessing Line N" per
// line and the closing message to console (none when it is null), the new pairs
// to the output file, errors to `errors`. Lines are processed on `threads`
// threads and written strictly in input order. Returns the exit status.
int runBatchJob(Direction direction, const Options& options, unsigned threads, const char* inputPath,
                const char* outputPath, std::FILE* console, std::FILE* errors);

}  // namespace vestrilo
