// Helpers shared by the fuzz targets: the checks that turn a wrong result into
// a finding, and the output invariants of the pair listings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/Admission.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo::fuzz {

// When set, a failed check calls this instead of aborting (the regression test
// turns failures into exceptions). It must not return.
inline void (*failureHook)(const std::string& what, std::string_view detail) = nullptr;

// Prints what went wrong (with the text involved, escaped) and aborts, which
// libFuzzer reports as a crash and saves the input for.
[[noreturn]] inline void fail(const char* what, std::string_view detail = {}) {
  if (failureHook) failureHook(what, detail);
  std::fprintf(stderr, "\n==fuzz check failed: %s\n", what);
  if (!detail.empty()) {
    std::fputs("  text: \"", stderr);
    const std::size_t shown = detail.size() < 400 ? detail.size() : 400;
    for (std::size_t i = 0; i < shown; ++i) {
      const unsigned char c = static_cast<unsigned char>(detail[i]);
      if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"')
        std::fputc(c, stderr);
      else
        std::fprintf(stderr, "\\x%02X", c);
    }
    std::fputs(shown < detail.size() ? "\"...\n" : "\"\n", stderr);
  }
  std::abort();
}

inline void check(bool ok, const char* what, std::string_view detail = {}) {
  if (!ok) fail(what, detail);
}

// A pair listing as written to the output file: lines "source ||| translation\n",
// each ending with a line feed and holding the separator.
inline bool wellFormedListing(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t lf = text.find('\n', pos);
    if (lf == std::string_view::npos) return false;
    if (text.substr(pos, lf - pos).find(" ||| ") == std::string_view::npos) return false;
    pos = lf + 1;
  }
  return true;
}

// The records of a sentence after any stage: in order, disjoint, not empty and
// inside the line (both directions keep this shape).
template <class List>
void checkRecords(const List& entities, std::size_t lineSize, const char* stage) {
  std::int64_t end = 0;
  for (std::size_t i = 0; i < entities.size(); ++i) {
    const auto& e = entities[i];
    if (e.start < end || e.length <= 0 || static_cast<std::int64_t>(e.start) + e.length > std::int64_t(lineSize)) {
      char what[160];
      std::snprintf(what, sizeof what, "after %s, record %zu {%d, %d, kind %d} breaks the record shape (line of %zu)",
                    stage, i, int(e.start), int(e.length), int(e.kind), lineSize);
      fail(what);
    }
    end = static_cast<std::int64_t>(e.start) + e.length;
  }
}

template <class A, class B>
bool samePairs(const std::vector<A>& a, const std::vector<B>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].source != b[i].source || a[i].translation != b[i].translation || a[i].candidate != b[i].candidate)
      return false;
  return true;
}

// The checks every direction's translationLine must pass, given the line it came
// from, what it returned with an empty registry, and the sentence's unfiltered
// pairs.
inline void checkTranslationLine(std::string_view line, const std::string& written,
                                 const std::vector<Pair>& pairs, const std::string& again) {
  // The driver never hands over a line feed. Without one in the line, every
  // listing line must be whole: no source or translation may bring one in.
  if (line.find('\n') == std::string_view::npos) {
    check(wellFormedListing(written), "translationLine wrote a malformed pair line", written);
    for (const Pair& p : pairs) {
      if (p.translation.find('\n') != std::string::npos) fail("a translation holds a line feed", p.translation);
    }
  }
  // translationLine is the sentence's pairs filtered through an empty registry.
  EmittedPairs registry;
  std::string expected;
  admitPairs(registry, pairs.data(), pairs.data() + pairs.size(),
             [&expected](const Pair& p) { appendPairLine(expected, p.source, p.translation); });
  check(written == expected, "translationLine differs from admitLines(translationPairs)", written);
  // Everything written is registered: the same line adds nothing a second time.
  check(again.empty(), "translationLine wrote a pair twice", again);
}

}  // namespace vestrilo::fuzz
