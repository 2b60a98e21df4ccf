#include "driver/Driver.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

namespace vestrilo {

bool answerInfoRequest(int argc, const char* const* argv, const char* program, const char* usage, std::FILE* out) {
  if (argc != 2) return false;
  if (std::strcmp(argv[1], "--help") == 0) {
    std::fputs(usage, out);
  } else if (std::strcmp(argv[1], "--version") == 0) {
    std::fprintf(out, "%s %s\n", program, version());
  } else {
    return false;
  }
  std::fflush(out);
  return true;
}

bool workerThreads(unsigned& threads) {
  const char* v = std::getenv("VESTRILO_THREADS");
  if (v && *v) {
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    if (end == v || *end != '\0' || n <= 0) return false;
    threads = n > static_cast<long>(kMaxThreads) ? kMaxThreads : static_cast<unsigned>(n);
    return true;
  }
  const unsigned cores = std::thread::hardware_concurrency();
  threads = cores == 0 ? 1 : cores;
  return true;
}

namespace {

// A variable's value read by `named`; `unset` when it is unset or empty.
template <class Value>
bool parseVariable(const char* text, bool (*named)(std::string_view, Value&), Value unset, Value& value) {
  if (!text || !*text) {
    value = unset;
    return true;
  }
  return named(text, value);
}

}  // namespace

bool parseEncoding(const char* value, Encoding& encoding) {
  return parseVariable(value, &encodingNamed, Encoding::GBK, encoding);
}

bool fileEncoding(Encoding& encoding) { return parseEncoding(std::getenv("VESTRILO_ENCODING"), encoding); }

bool parseRules(const char* value, Rules& rules) { return parseVariable(value, &rulesNamed, Rules::Classic, rules); }

bool fileRules(Rules& rules) { return parseRules(std::getenv("VESTRILO_RULES"), rules); }

bool parseProgress(const char* value, ProgressStyle& style) {
  const std::string_view v = value ? value : "";
  if (v.empty() || v == "lines")
    style = ProgressStyle::Lines;
  else if (v == "bar")
    style = ProgressStyle::Bar;
  else if (v == "none")
    style = ProgressStyle::None;
  else
    return false;
  return true;
}

bool progressStyle(ProgressStyle& style) { return parseProgress(std::getenv("VESTRILO_PROGRESS"), style); }

std::FILE* consoleFor(const char* outfile, std::FILE* out, std::FILE* err) {
  return std::strcmp(outfile, kStandardStream) == 0 ? err : out;
}

namespace {

constexpr const char* usage =
    "Usage: vestrilo -C2E|-E2C infile outfile\n"
    "\n"
    "Finds number and time expressions (numbers, figures, fractions, percentages,\n"
    "ordinals, weekdays, dates, clock times) in infile, translates each one, and\n"
    "writes every distinct pair \"source ||| translation\" to outfile, one per line,\n"
    "in the order in which the pairs first occur.\n"
    "\n"
    "  -C2E      infile is word-segmented Chinese; translations are English\n"
    "  -E2C      infile is English; translations are Chinese\n"
    "  infile    text in the encoding of VESTRILO_ENCODING, one sentence per line\n"
    "            (LF or CR LF line ends); - reads standard input\n"
    "  outfile   receives the pairs, in the same encoding; - writes standard output\n"
    "            (the console text then goes to standard error). A file is written\n"
    "            beside its place and put there when complete: a failed run leaves\n"
    "            an old file as it was. It must not be infile.\n"
    "\n"
    "A file named - is given as ./-. The console text (VESTRILO_PROGRESS) goes to\n"
    "standard output; errors go to standard error with exit status 255.\n"
    "\n"
    "Environment:\n"
    "  VESTRILO_THREADS   worker threads, a positive number (default: one per core)\n"
    "  VESTRILO_ENCODING  GBK (the default) or UTF-8, in any letter case: the encoding\n"
    "                     of infile and outfile; a UTF-8 byte-order mark is skipped\n"
    "  VESTRILO_RULES     classic (the default) or extended, in any letter case: the\n"
    "                     rules applied; classic output stays the same from release to\n"
    "                     release, extended reads more forms and guards false readings\n"
    "  VESTRILO_PROGRESS  lines (the default: a banner, a line per input line and a\n"
    "                     closing message), bar (one self-updating line on standard\n"
    "                     error, where it is a terminal) or none (errors only)\n"
    "\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n";

}  // namespace

int runVestrilo(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  if (answerInfoRequest(argc, argv, "vestrilo", usage, out)) return 0;
  if (argc != 4)
    return reportError(err, "Error: 4 parameters are needed, such as \"Vestrilo.exe -C2E[-E2C] infile outfile\"");
  Direction direction;
  if (!directionOption(argv[1], direction))
    return reportError(err, "\nError: the 1st parameter should be \"-C2E\" or \"-E2C\"");
  unsigned threads = 1;
  if (!workerThreads(threads)) return reportError(err, "Error: VESTRILO_THREADS must be a positive number\n");
  FileJob job;
  job.direction = direction;
  if (!fileEncoding(job.options.encoding)) return reportError(err, kEncodingError);
  if (!fileRules(job.options.rules)) return reportError(err, kRulesError);
  ProgressStyle style;
  if (!progressStyle(style)) return reportError(err, kProgressError);
  job.input = argv[2];
  job.output = argv[3];
  job.threads = threads;
  const SignalGuard signals;  // a signal stops the job, which removes what it was writing
  ConsoleProgress progress(style, consoleFor(argv[3], out, err), err);
  job.progress = &progress;
  return progress.finish(extractFile(job), err);
}

}  // namespace vestrilo
