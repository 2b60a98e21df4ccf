// The batch tool: command line, files, the line loop and the console messages.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "driver/EmittedPairs.h"

namespace vestrilo {

enum class Direction { ChineseToEnglish, EnglishToChinese };

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
