// Memos of pure functions of a text: a rendering per (kind, text), a number
// per text. A corpus repeats its entities over and over, so the stages look a
// result up before computing it. A memo is bounded: it starts afresh when it
// grows past its limit.
//
// Entries are kept in one vector and found through a hash table of entry
// numbers; the texts of the keys go one after the other into one buffer, so a
// look-up builds no key and a new entry allocates nothing of its own beyond its
// value.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/Hash.h"
#include "core/HashTable.h"

namespace vestrilo {

struct CachedTranslation {
  std::string translation;
  std::string candidate;  // the second reading of the two-candidate kinds
};

// Value compute() for the key (tag, text), computed once while remembered.
template <class Value>
class TextMemo {
 public:
  template <class Compute>
  const Value& get(std::int32_t tag, std::string_view text, Compute&& compute) {
    const std::uint64_t h = hashBytes(text, static_cast<std::uint64_t>(static_cast<std::uint32_t>(tag)));
    auto probe = slots_.find(h, [&](std::uint32_t slot) {
      const Entry& e = entries_[slot - 1];
      return e.hash == h && e.tag == tag && e.length == text.size() &&
             std::memcmp(keys_.data() + e.offset, text.data(), text.size()) == 0;
    });
    if (probe.found) return entries_[slots_[probe.at] - 1].value;
    if (entries_.size() >= kLimit || keys_.size() + text.size() > kKeyBytes) {
      // Full: the memo starts afresh, and the key's probe ends where its hash leads.
      entries_.clear();
      keys_.clear();
      slots_.clear();
      probe = slots_.find(h, [](std::uint32_t) { return false; });
    }
    Entry e;
    e.value = compute();  // before the key goes in: compute may ask how many entries there are
    e.hash = h;
    e.tag = tag;
    e.offset = keys_.size();
    e.length = text.size();
    keys_.append(text.data(), text.size());
    entries_.push_back(std::move(e));
    slots_.place(probe, h, static_cast<std::uint32_t>(entries_.size()),
                 [this](std::uint32_t slot) { return entries_[slot - 1].hash; });
    return entries_.back().value;
  }

  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::uint64_t hash = 0;
    std::int32_t tag = 0;
    std::size_t offset = 0;  // of the key text in keys_
    std::size_t length = 0;
    Value value{};
  };

  static constexpr std::size_t kLimit = std::size_t(1) << 16;      // entries
  static constexpr std::size_t kKeyBytes = std::size_t(1) << 24;   // key text in all
  // A slot is 0 when free, else an entry's number + 1. The table starts small
  // (a memo for a few lines costs little) and grows up to the size the limit
  // needs.
  HashTable<NumberSlots<std::uint32_t, SlotStorage::Growing, 64>> slots_;
  std::vector<Entry> entries_;
  std::string keys_;
};

// The renderings of the output builders, per (kind, text). The translations
// are kept one after the other in one buffer, so that an entry is a few
// numbers and not two strings.
class TranslationCache {
 public:
  struct Translation {
    std::string_view translation;
    std::string_view candidate;
  };

  // The rendering of (kind, text), computed by compute() (a CachedTranslation)
  // when not remembered. The views are valid until the next call.
  template <class Compute>
  Translation get(std::int32_t kind, std::string_view text, Compute&& compute) {
    const Spans& s = spans_.get(kind, text, [&] {
      if (spans_.size() == 0) texts_.clear();  // the memo starts afresh
      const CachedTranslation fresh = compute();
      Spans added{texts_.size(), fresh.translation.size(), fresh.candidate.size()};
      texts_ += fresh.translation;
      texts_ += fresh.candidate;
      return added;
    });
    return Translation{std::string_view(texts_.data() + s.offset, s.translation),
                       std::string_view(texts_.data() + s.offset + s.translation, s.candidate)};
  }

 private:
  struct Spans {
    std::size_t offset = 0;  // of the translation in texts_; the candidate follows it
    std::size_t translation = 0;
    std::size_t candidate = 0;
  };
  TextMemo<Spans> spans_;
  std::string texts_;
};

}  // namespace vestrilo
