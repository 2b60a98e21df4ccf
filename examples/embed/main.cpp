// Reads lines of word-segmented Chinese (UTF-8) from standard input and prints
// the new pairs of each: "source ||| translation".
#include <iostream>
#include <string>

#include <vestrilo/vestrilo.h>

// Linking the library leaves this program's own literals as they were written.
static_assert(sizeof("三") == 4, "string literals are UTF-8 here");

int main() {
  vestrilo::Extractor extractor(vestrilo::Direction::ChineseToEnglish);  // UTF-8, the library's default
  if (!extractor.ok()) {
    std::cerr << "embed: " << extractor.status().toString() << '\n';
    return 1;
  }
  std::string line;
  while (std::getline(std::cin, line))
    for (const vestrilo::Pair& p : extractor.pairs(line)) std::cout << p.source << " ||| " << p.translation << '\n';
}
