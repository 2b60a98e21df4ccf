#include "driver/Console.h"

namespace vestrilo {

void printBanner(std::FILE* console) {
  if (!console) return;
  std::fputs("Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n", console);
  std::fflush(console);
}

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

void ConsoleProgress::started() { printBanner(console_); }

void ConsoleProgress::prepare(const BatchProgress& batch, std::string& note) const {
  appendProgress(note, batch.firstLine, batch.lines);
}

void ConsoleProgress::report(const BatchProgress&, const std::string& note) {
  if (console_) std::fwrite(note.data(), 1, note.size(), console_);
}

int reportError(std::FILE* errors, const char* message) {
  std::fputs(message, errors);
  std::fflush(errors);
  return -1;
}

int finishRun(const Status& status, std::FILE* console, std::FILE* errors) {
  if (status.ok()) {
    if (console) {
      std::fputs("\nOk! Job has been done!\n", console);
      std::fflush(console);
    }
    return 0;
  }
  if (console) std::fflush(console);
  switch (status.code()) {
    case StatusCode::CannotOpenInput: return reportError(errors, "Error: unable to open input file!\n");
    case StatusCode::CannotReadInput: return reportError(errors, "Error: unable to read input file!\n");
    case StatusCode::CannotOpenOutput: return reportError(errors, "Error: unable to open output file!\n");
    case StatusCode::CannotWriteOutput: return reportError(errors, "Error: unable to write output file!\n");
    default: return reportError(errors, ("Error: " + status.toString() + "\n").c_str());
  }
}

}  // namespace vestrilo
