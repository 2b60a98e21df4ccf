// Writes a generated benchmark corpus (see CorpusGenerator.h).
//
//   gen_corpus [--dense] [--one-line] -C2E|-E2C MEGABYTES SEED COPIES OUTFILE
//
// The file is the concatenation of COPIES corpora of about MEGABYTES each, made
// from the seeds SEED, SEED+1, ...: so the 4x file begins with the bytes of the
// 1x file of the same seed, and every copy brings sentences (and pairs) of its
// own. --dense makes every sentence carry several expressions; --one-line joins
// all lines with a space into a single line (ended by one line feed).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/CorpusGenerator.h"

namespace {

int usage() {
  std::fputs("usage: gen_corpus [--dense] [--one-line] -C2E|-E2C MEGABYTES SEED COPIES OUTFILE\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using vestrilo::bench::Language;
  // Options may stand anywhere; the rest are the five positional arguments.
  bool dense = false, oneLine = false;
  std::vector<const char*> args;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dense") == 0)
      dense = true;
    else if (std::strcmp(argv[i], "--one-line") == 0)
      oneLine = true;
    else
      args.push_back(argv[i]);
  }
  if (args.size() != 5) return usage();
  Language language;
  if (std::strcmp(args[0], "-C2E") == 0)
    language = Language::Chinese;
  else if (std::strcmp(args[0], "-E2C") == 0)
    language = Language::English;
  else
    return usage();
  const double megabytes = std::atof(args[1]);
  const unsigned long long seed = std::strtoull(args[2], nullptr, 10);
  const long copies = std::atol(args[3]);
  const char* path = args[4];
  if (megabytes <= 0 || copies <= 0) return usage();
  std::FILE* out = std::fopen(path, "wb");
  if (!out) {
    std::perror(path);
    return 1;
  }
  const auto bytes = static_cast<std::size_t>(megabytes * 1024 * 1024);
  std::string text;
  for (long k = 0; k < copies; ++k) {
    text.clear();
    vestrilo::bench::CorpusGenerator(language, seed + static_cast<unsigned long long>(k), dense)
        .appendLines(text, bytes);
    if (oneLine) {
      for (char& c : text)
        if (c == '\n') c = ' ';
      if (k + 1 == copies) text.back() = '\n';
    }
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
      std::perror(path);
      return 1;
    }
  }
  if (std::fclose(out) != 0) {
    std::perror(path);
    return 1;
  }
  return 0;
}
