#include "core/EmittedPairs.h"

#include <cstring>

#include "core/Hash.h"

namespace vestrilo {

namespace {

// Lengths are written in base 128, seven bits to a byte, the high bit set on
// every byte but the last: a length below 128 takes one byte.
char* writeLength(char* p, std::size_t n) {
  while (n >= 0x80) {
    *p++ = static_cast<char>(0x80 | (n & 0x7F));
    n >>= 7;
  }
  *p++ = static_cast<char>(n);
  return p;
}

const char* readLength(const char* p, std::size_t& n) {
  n = 0;
  for (unsigned shift = 0;; shift += 7) {
    const unsigned char b = static_cast<unsigned char>(*p++);
    n |= static_cast<std::size_t>(b & 0x7F) << shift;
    if (!(b & 0x80)) return p;
  }
}

std::size_t lengthBytes(std::size_t n) {
  std::size_t bytes = 1;
  for (; n >= 0x80; n >>= 7) ++bytes;
  return bytes;
}

}  // namespace

std::uint64_t EmittedPairs::hash(std::string_view source, std::string_view translation) {
  return hashBytes(translation, hashBytes(source));
}

void EmittedPairs::read(std::uint64_t location, std::string_view& source, std::string_view& translation) const {
  const char* p = blocks_[location >> kOffsetBits].get() + (location & (kBlock - 1));
  std::size_t sourceLength, translationLength;
  p = readLength(p, sourceLength);
  p = readLength(p, translationLength);
  source = std::string_view(p, sourceLength);
  translation = std::string_view(p + sourceLength, translationLength);
}

std::size_t EmittedPairs::find(std::uint64_t h, std::string_view source, std::string_view translation) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint64_t tag = h >> kLocationBits;
  for (std::size_t slot = h & mask;; slot = (slot + 1) & mask) {
    const std::uint64_t s = slots_[slot];
    if (s == 0) return slot;
    if ((s >> kLocationBits) != tag) continue;
    std::string_view storedSource, storedTranslation;
    read(s & ((std::uint64_t{1} << kLocationBits) - 1), storedSource, storedTranslation);
    if (storedSource == source && storedTranslation == translation) return slot;
  }
}

bool EmittedPairs::contains(std::string_view source, std::string_view translation) const {
  if (slots_.empty()) return false;
  return slots_[find(hash(source, translation), source, translation)] != 0;
}

std::uint64_t EmittedPairs::store(std::string_view source, std::string_view translation) {
  const std::size_t need =
      lengthBytes(source.size()) + lengthBytes(translation.size()) + source.size() + translation.size();
  if (blocks_.empty() || blockUsed_ + need > blockSize_) {
    // The first byte of the first block is never used: no pair is at location
    // 0, so no slot of a pair is 0 (empty).
    const std::size_t skip = blocks_.empty() ? 1 : 0;
    // Blocks start small (a registry of a few pairs costs little) and double
    // up to kBlock; a pair longer than that gets a block of its own size.
    std::size_t size = blocks_.empty() ? kFirstBlock : (blockSize_ * 2 < kBlock ? blockSize_ * 2 : kBlock);
    while (size < need + skip && size < kBlock) size *= 2;
    if (size < need + skip) size = need + skip;
    blocks_.push_back(std::unique_ptr<char[]>(new char[size]));  // not zero-filled: every byte used is written
    blockBytes_ += size;
    blockSize_ = size;
    blockUsed_ = skip;
  }
  const std::uint64_t location = (std::uint64_t{blocks_.size() - 1} << kOffsetBits) | blockUsed_;
  char* p = blocks_.back().get() + blockUsed_;
  p = writeLength(p, source.size());
  p = writeLength(p, translation.size());
  std::memcpy(p, source.data(), source.size());
  std::memcpy(p + source.size(), translation.data(), translation.size());
  blockUsed_ += need;
  return location;
}

void EmittedPairs::grow() {
  std::vector<std::uint64_t> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 1024 : old.size() * 2, 0);
  const std::size_t mask = slots_.size() - 1;
  // The slots keep only a piece of the hash: each pair's place is found anew.
  for (const std::uint64_t s : old) {
    if (s == 0) continue;
    std::string_view source, translation;
    read(s & ((std::uint64_t{1} << kLocationBits) - 1), source, translation);
    std::size_t slot = hash(source, translation) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = s;
  }
}

bool EmittedPairs::insert(std::string_view source, std::string_view translation) {
  // Kept below 3/4 full, so that a probe ends soon.
  if ((count_ + 1) * 4 > slots_.size() * 3) grow();
  const std::uint64_t h = hash(source, translation);
  const std::size_t slot = find(h, source, translation);
  if (slots_[slot] != 0) return false;
  slots_[slot] = ((h >> kLocationBits) << kLocationBits) | store(source, translation);
  ++count_;
  return true;
}

void EmittedPairs::clear() {
  slots_.clear();
  slots_.shrink_to_fit();
  blocks_.clear();
  blocks_.shrink_to_fit();
  blockUsed_ = 0;
  blockSize_ = 0;
  blockBytes_ = 0;
  count_ = 0;
}

std::size_t EmittedPairs::memoryUse() const {
  return blockBytes_ + slots_.capacity() * sizeof(std::uint64_t) + blocks_.capacity() * sizeof(blocks_[0]);
}

}  // namespace vestrilo
