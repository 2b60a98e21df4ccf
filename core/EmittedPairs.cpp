#include "core/EmittedPairs.h"

#include <cstring>

#include "core/Hash.h"

namespace vestrilo {

namespace {

// A pair is stored as its two lengths (4 bytes each) and then its two texts.
constexpr std::size_t kHeader = 8;

std::uint32_t readLength(const char* p) {
  std::uint32_t n;
  std::memcpy(&n, p, sizeof n);
  return n;
}

}  // namespace

std::uint32_t EmittedPairs::hash(std::string_view source, std::string_view translation) {
  return static_cast<std::uint32_t>(hashBytes(translation, hashBytes(source)) >> 32);
}

bool EmittedPairs::equals(std::uint32_t index, std::string_view source, std::string_view translation) const {
  const char* p = pairs_[index];
  if (readLength(p) != source.size() || readLength(p + 4) != translation.size()) return false;
  p += kHeader;
  return std::memcmp(p, source.data(), source.size()) == 0 &&
         std::memcmp(p + source.size(), translation.data(), translation.size()) == 0;
}

std::size_t EmittedPairs::find(std::uint32_t h, std::string_view source, std::string_view translation) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = h & mask;; slot = (slot + 1) & mask) {
    const std::uint64_t s = slots_[slot];
    if (s == 0) return slot;
    if (static_cast<std::uint32_t>(s >> 32) == h && equals(static_cast<std::uint32_t>(s) - 1, source, translation))
      return slot;
  }
}

bool EmittedPairs::contains(std::string_view source, std::string_view translation) const {
  if (slots_.empty()) return false;
  return slots_[find(hash(source, translation), source, translation)] != 0;
}

const char* EmittedPairs::store(std::string_view source, std::string_view translation) {
  const std::size_t need = kHeader + source.size() + translation.size();
  if (blockUsed_ + need > kBlock || blocks_.empty()) {
    // A pair longer than a block gets a block of its own size.
    const std::size_t size = need > kBlock ? need : kBlock;
    blocks_.push_back(std::make_unique<char[]>(size));
    blockBytes_ += size;
    blockUsed_ = 0;
  }
  char* p = blocks_.back().get() + blockUsed_;
  blockUsed_ += need;
  const std::uint32_t lengths[2] = {static_cast<std::uint32_t>(source.size()),
                                    static_cast<std::uint32_t>(translation.size())};
  std::memcpy(p, lengths, kHeader);
  std::memcpy(p + kHeader, source.data(), source.size());
  std::memcpy(p + kHeader + source.size(), translation.data(), translation.size());
  if (need > kBlock) blockUsed_ = kBlock;  // nothing more goes into an outsized block
  return p;
}

void EmittedPairs::grow() {
  std::vector<std::uint64_t> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 1024 : old.size() * 2, 0);
  const std::size_t mask = slots_.size() - 1;
  for (const std::uint64_t s : old) {
    if (s == 0) continue;
    std::size_t slot = static_cast<std::uint32_t>(s >> 32) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = s;
  }
}

bool EmittedPairs::insert(std::string_view source, std::string_view translation) {
  // Lengths are stored in 32 bits: a text of 2 GiB or more (longer than any
  // record can be) is never registered, and is written each time.
  if (source.size() > UINT32_MAX / 2 || translation.size() > UINT32_MAX / 2) return true;
  // Kept below 3/4 full, so that a probe ends soon.
  if ((pairs_.size() + 1) * 4 > slots_.size() * 3) grow();
  const std::uint32_t h = hash(source, translation);
  const std::size_t slot = find(h, source, translation);
  if (slots_[slot] != 0) return false;
  pairs_.push_back(store(source, translation));
  slots_[slot] = (std::uint64_t{h} << 32) | static_cast<std::uint32_t>(pairs_.size());
  return true;
}

void EmittedPairs::clear() {
  slots_.clear();
  slots_.shrink_to_fit();
  pairs_.clear();
  pairs_.shrink_to_fit();
  blocks_.clear();
  blockUsed_ = kBlock;
  blockBytes_ = 0;
}

std::size_t EmittedPairs::memoryUse() const {
  return blockBytes_ + slots_.capacity() * sizeof(std::uint64_t) + pairs_.capacity() * sizeof(const char*);
}

void EmittedPairs::appendPairLine(std::string& out, std::string_view source, std::string_view translation) {
  out += source;
  out += " ||| ";
  out += translation;
  out += '\n';
}

}  // namespace vestrilo
