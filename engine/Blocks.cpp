// The blocks of the cluster mode: a worker reduces the pairs of a block of
// lines and writes them as bytes; the coordinator admits such bytes in input
// order through one registry.
//
// The bytes: "VPB1", then for each pair a byte (1 for a second reading, else 0),
// the lengths of the source and of the translation (base 128, seven bits to a
// byte, the high bit set on every byte but the last), and the two texts.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LineReader.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

namespace {

constexpr std::string_view kMagic = "VPB1";

void appendLength(std::string& out, std::size_t n) {
  while (n >= 0x80) {
    out += static_cast<char>(0x80 | (n & 0x7F));
    n >>= 7;
  }
  out += static_cast<char>(n);
}

// Reads a length at `at`, moving past it; false when the bytes end first or
// the value does not fit.
bool readLength(std::string_view in, std::size_t& at, std::size_t& n) {
  n = 0;
  for (unsigned shift = 0; at < in.size() && shift < 8 * sizeof(std::size_t); shift += 7) {
    const unsigned char b = static_cast<unsigned char>(in[at++]);
    n |= static_cast<std::size_t>(b & 0x7F) << shift;
    if (!(b & 0x80)) return true;
  }
  return false;
}

Status corrupt() { return Status(StatusCode::CorruptBlock, "the block's bytes were not written by reduceBlock"); }

}  // namespace

Status reduceBlock(const Extractor& extractor, std::string_view lines, bool startOfInput, std::string& block) {
  if (!extractor.ok()) return extractor.status();
  if (startOfInput) lines.remove_prefix(byteOrderMarkLength(lines, extractor.options().encoding));
  std::vector<std::string_view> split;
  splitLines(lines, split);
  for (std::string_view line : split)
    if (line.size() > kMaxLineBytes)
      return Status(StatusCode::LineTooLong, "a line of the block is longer than " + std::to_string(kMaxLineBytes) + " bytes");
  std::vector<Pair> found, reduced;
  std::vector<std::size_t> ends;
  extractor.collect(split, found, ends);
  Registry::reduce(found, reduced);
  block.append(kMagic.data(), kMagic.size());
  for (const Pair& p : reduced) {
    block += p.candidate ? '\1' : '\0';
    appendLength(block, p.source.size());
    appendLength(block, p.translation.size());
    block += p.source;
    block += p.translation;
  }
  return Status();
}

Status Registry::admitBlock(std::string_view block, std::string& lines) {
  if (block.substr(0, kMagic.size()) != kMagic) return corrupt();
  std::vector<Pair> pairs;
  for (std::size_t at = kMagic.size(); at < block.size();) {
    const char flag = block[at++];
    std::size_t sourceSize = 0, translationSize = 0;
    if ((flag != '\0' && flag != '\1') || !readLength(block, at, sourceSize) || !readLength(block, at, translationSize) ||
        sourceSize > block.size() - at || translationSize > block.size() - at - sourceSize)
      return corrupt();
    pairs.push_back(Pair{std::string(block.substr(at, sourceSize)),
                         std::string(block.substr(at + sourceSize, translationSize)), flag == '\1'});
    at += sourceSize + translationSize;
  }
  admitLines(pairs.data(), pairs.data() + pairs.size(), lines);
  return Status();
}

}  // namespace vestrilo
