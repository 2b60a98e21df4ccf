// Hashes of byte strings for the in-memory tables: of short words for the word
// tables, and of any text for the registry and the memo of translations (eight
// bytes at a time, mixed by multiplication). Not for anything that must stay
// the same across builds or machines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vestrilo {

// A hash of a short word for the compile-time and small word tables (FNV-1a,
// with the high bits folded into the low ones that pick the slot).
constexpr std::uint32_t wordHash(std::string_view word) {
  std::uint32_t h = 2166136261u;
  for (char c : word) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h ^ (h >> 15);
}

inline std::uint64_t mixHash(std::uint64_t x) {
  x ^= x >> 32;
  x *= 0xD6E8FEB86659FD93ull;
  x ^= x >> 32;
  return x;
}

inline std::uint64_t hashBytes(std::string_view text, std::uint64_t seed = 0) {
  std::uint64_t h = seed ^ (text.size() * 0x9E3779B97F4A7C15ull);
  const char* p = text.data();
  std::size_t n = text.size();
  for (; n >= 8; n -= 8, p += 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    h = (h ^ w) * 0x9E3779B97F4A7C15ull;
    h ^= h >> 29;
  }
  if (n > 0) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, n);
    h = (h ^ w) * 0x9E3779B97F4A7C15ull;
    h ^= h >> 29;
  }
  return mixHash(h);
}

}  // namespace vestrilo
