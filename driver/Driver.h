// The batch tool: its command line and console messages over the library's
// file job.
#pragma once

#include <cstdio>
#include <string_view>

#include "driver/Console.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

// The answer to a lone "--help" or "--version" argument: writes the usage text
// or "program version" to `out` and returns true; false for any other command line.
bool answerInfoRequest(int argc, const char* const* argv, const char* program, const char* usage, std::FILE* out);

// The number of worker threads of the file job: VESTRILO_THREADS when set (an
// empty value counts as unset), else the number of cores. False when the
// variable holds anything but a positive decimal number.
bool workerThreads(unsigned& threads);

// The encoding of the files: VESTRILO_ENCODING, "GBK" or "UTF-8" in any letter
// case; GBK when it is unset (an empty value counts as unset). False for any
// other value.
bool parseEncoding(const char* value, Encoding& encoding);
bool fileEncoding(Encoding& encoding);
inline constexpr const char* kEncodingError = "Error: VESTRILO_ENCODING must be GBK or UTF-8\n";

// The rules: VESTRILO_RULES, "classic" or "extended" in any letter case; classic
// when it is unset (an empty value counts as unset). False for any other value.
bool parseRules(const char* value, Rules& rules);
bool fileRules(Rules& rules);
inline constexpr const char* kRulesError = "Error: VESTRILO_RULES must be classic or extended\n";

// What the console shows: VESTRILO_PROGRESS, "lines", "bar" or "none"; lines
// when it is unset (an empty value counts as unset). False for any other value.
bool parseProgress(const char* value, ProgressStyle& style);
bool progressStyle(ProgressStyle& style);
inline constexpr const char* kProgressError = "Error: VESTRILO_PROGRESS must be lines, bar or none\n";

// The name of the standard streams on the command lines: "-" as infile reads
// standard input, as outfile writes standard output (a file named so is "./-").
inline constexpr const char* kStandardStream = "-";

// The stream the console text goes to: standard error when the pairs go to
// standard output (outfile "-"), else `out`.
std::FILE* consoleFor(const char* outfile, std::FILE* out, std::FILE* err);

// The whole program: `vestrilo -C2E|-E2C infile outfile`. Messages go to `out`
// and `err`; the result is the exit status (0, or -1 after an error).
int runVestrilo(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
inline int runVestrilo(int argc, char** argv) { return runVestrilo(argc, argv, stdout, stderr); }

}  // namespace vestrilo
