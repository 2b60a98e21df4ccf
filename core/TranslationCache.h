// A per-thread memo of translator results. Every translator is a pure function
// of an entity's kind and text, and a corpus repeats its entities over and over,
// so the output builders of the batch loop look a rendering up before computing
// it. The memo is bounded: it starts afresh when it grows past its limit.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vestrilo {

struct CachedTranslation {
  std::string translation;
  std::string candidate;  // the second reading of the two-candidate kinds
};

class TranslationCache {
 public:
  template <class Compute>
  const CachedTranslation& get(std::int32_t kind, std::string_view text, Compute&& compute) {
    key_.resize(sizeof kind);
    std::memcpy(key_.data(), &kind, sizeof kind);
    key_.append(text);
    auto it = map_.find(key_);
    if (it != map_.end()) return it->second;
    if (map_.size() >= kLimit) map_.clear();
    return map_.emplace(key_, compute()).first->second;
  }

 private:
  static constexpr std::size_t kLimit = std::size_t(1) << 16;
  std::string key_;
  std::unordered_map<std::string, CachedTranslation> map_;
};

}  // namespace vestrilo
