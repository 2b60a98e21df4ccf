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

std::uint64_t EmittedPairs::hashOf(std::uint64_t slot) const {
  std::string_view source, translation;
  read(slot & kLocationMask, source, translation);
  return hash(source, translation);
}

EmittedPairs::Slots::Probe EmittedPairs::find(std::uint64_t h, std::string_view source,
                                              std::string_view translation) const {
  return slots_.find(h, [&](std::uint64_t slot) {
    if ((slot >> kLocationBits) != (h >> kLocationBits)) return false;
    std::string_view storedSource, storedTranslation;
    read(slot & kLocationMask, storedSource, storedTranslation);
    return storedSource == source && storedTranslation == translation;
  });
}

bool EmittedPairs::contains(std::string_view source, std::string_view translation) const {
  return find(hash(source, translation), source, translation).found;
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

bool EmittedPairs::insert(std::string_view source, std::string_view translation) {
  const std::uint64_t h = hash(source, translation);
  const Slots::Probe probe = find(h, source, translation);
  if (probe.found) return false;
  const std::uint64_t slot = ((h >> kLocationBits) << kLocationBits) | store(source, translation);
  slots_.place(probe, h, slot, [this](std::uint64_t s) { return hashOf(s); });
  return true;
}

bool EmittedPairs::erase(std::string_view source, std::string_view translation) {
  const Slots::Probe probe = find(hash(source, translation), source, translation);
  if (!probe.found) return false;
  slots_.erase(probe.at, [this](std::uint64_t s) { return hashOf(s); });
  return true;
}

void EmittedPairs::clear() {
  slots_.release();
  blocks_.clear();
  blocks_.shrink_to_fit();
  blockUsed_ = 0;
  blockSize_ = 0;
  blockBytes_ = 0;
}

std::size_t EmittedPairs::memoryUse() const {
  return blockBytes_ + slots_.memoryUse() + blocks_.capacity() * sizeof(blocks_[0]);
}

}  // namespace vestrilo
