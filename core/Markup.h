// Framing and escaping of the markup and the alternative renderings of both
// directions: an opening and a closing string around an entity, and input text
// placed into HTML.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vestrilo {

// An opening and a closing string around a piece of text.
struct MarkupFrame {
  std::string_view opening;
  std::string_view closing;
};

// ---------------------------------------------------------------------------
// Text from the input placed into an HTML rendering: "&", "<" and ">" become
// character references, so that a line holding markup-like text is shown as it
// stands instead of being read as markup. (None of the three bytes can be the
// second byte of a GBK character, so the escape works byte by byte.)
inline void appendHtmlText(std::string& out, std::string_view text) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '&' && c != '<' && c != '>') continue;
    out.append(text.data() + from, i - from);
    out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;";
    from = i + 1;
  }
  out.append(text.data() + from, text.size() - from);
}

// Input text placed into a rendering: escaped in the HTML forms, as it stands in
// the plain ones.
inline void appendText(std::string& out, std::string_view text, bool html) {
  if (html)
    appendHtmlText(out, text);
  else
    out += text;
}

}  // namespace vestrilo
