// The batch tool: command line, files, the line loop and the console messages.
#pragma once

#include <cstdio>
#include <string_view>

#include "vestrilo/vestrilo.h"

namespace vestrilo {

// "-C2E" or "-E2C", compared byte for byte; false for anything else.
bool parseDirection(const char* argument, Direction& direction);

// The files of one run and the console messages around it, shared by the batch
// tool and the viewer.
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

// Writes an error message and returns the exit status -1.
int reportError(std::FILE* errors, const char* message);

// The answer to a lone "--help" or "--version" argument: writes the usage text
// or "program version" to `out` and returns true; false for any other command line.
bool answerInfoRequest(int argc, const char* const* argv, const char* program, const char* usage, std::FILE* out);

// The number of worker threads of the line loop: VESTRILO_THREADS when set (an
// empty value counts as unset), else the number of cores. False when the
// variable holds anything but a positive decimal number.
bool workerThreads(unsigned& threads);

// The whole program: `vestrilo -C2E|-E2C infile outfile`. Messages go to `out`
// and `err`; the result is the exit status (0, or -1 after an error).
int runVestrilo(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
inline int runVestrilo(int argc, char** argv) { return runVestrilo(argc, argv, stdout, stderr); }

}  // namespace vestrilo
