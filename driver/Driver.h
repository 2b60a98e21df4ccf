// The batch tool: command line, files, the line loop and the console messages.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "driver/EmittedPairs.h"

namespace vestrilo {

class ChineseSentence;
class EnglishSentence;

enum class Direction { ChineseToEnglish, EnglishToChinese };

// The recognition stages of each direction, in their fixed order; after them a
// sentence is ready for any output builder.
void runStages(ChineseSentence& sentence);
void runStages(EnglishSentence& sentence);

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

// Runs one line through the stages of the direction and appends its pairs, in
// order and not yet filtered through the registry, to `pairs`.
void collectLinePairs(Direction direction, std::string_view line, std::vector<TranslationPair>& pairs);

// The whole program: `vestrilo -C2E|-E2C infile outfile`. Messages go to `out`
// and `err`; the result is the exit status (0, or -1 after an error).
int runVestrilo(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
inline int runVestrilo(int argc, char** argv) { return runVestrilo(argc, argv, stdout, stderr); }

// The number of worker threads the line loop uses: VESTRILO_THREADS when it is
// set to a positive number, else the number of cores.
unsigned workerThreads();

}  // namespace vestrilo
