#include "core/WordList.h"

namespace vestrilo {

std::size_t findBracketed(std::string_view text, std::string_view word) {
  const std::size_t need = word.size() + 2;
  if (text.size() < need) return std::string_view::npos;
  for (std::size_t p = text.find('<'); p != std::string_view::npos && p + need <= text.size();
       p = text.find('<', p + 1)) {
    if (text[p + need - 1] == '>' && text.compare(p + 1, word.size(), word) == 0) return p;
  }
  return std::string_view::npos;
}

std::string_view TaggedMap::lookup(std::string_view key) const {
  const std::size_t p = keyPosition(key);
  if (p == std::string_view::npos) return {};
  const std::size_t open = text_.find('(', p);
  const std::size_t close = text_.find(')', p);
  if (open == std::string_view::npos || close == std::string_view::npos || close <= open) return {};
  return text_.substr(open + 1, close - open - 1);
}

}  // namespace vestrilo
