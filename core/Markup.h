// Framing and escaping of the markup and the alternative renderings of both
// directions: an opening and a closing string around an entity, and input text
// placed into HTML.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// One line of the HTML pair renderings: the colour prefix (an opened bold
// element), "source ||| translation" escaped, the closing "</b><br/>" and `end`.
inline void appendHtmlPair(std::string& out, std::string_view prefix, std::string_view source,
                           std::string_view translation, std::string_view end) {
  out += prefix;
  appendHtmlText(out, source);
  out += " ||| ";
  appendHtmlText(out, translation);
  out += "</b><br/>";
  out += end;
}

// Input text placed into a rendering: escaped in the HTML forms, as it stands in
// the plain ones.
inline void appendText(std::string& out, std::string_view text, bool html) {
  if (html)
    appendHtmlText(out, text);
  else
    out += text;
}

// ---------------------------------------------------------------------------
// Where a rendering shows the sentence's own text. A piece says that the
// rendering's bytes [outBegin, outEnd) show the sentence's bytes [begin, end)
// (escaped in the HTML forms); every other byte of the rendering is its own:
// tags, separators and translations. A caller that shows the rendering in
// another encoding than the sentence's puts the line's own bytes in the pieces
// and converts the rest.
struct InputPiece {
  std::size_t outBegin = 0;
  std::size_t outEnd = 0;
  std::size_t begin = 0;
  std::size_t end = 0;
};
using InputPieces = std::vector<InputPiece>;

// Places `text`, a part of `sentence`, into a rendering like appendText, and
// lists the piece in *pieces when pieces are asked for.
inline void appendSentenceText(std::string& out, std::string_view sentence, std::string_view text, bool html,
                               InputPieces* pieces) {
  const std::size_t at = out.size();
  appendText(out, text, html);
  if (pieces && !text.empty()) {
    const auto begin = static_cast<std::size_t>(text.data() - sentence.data());
    pieces->push_back(InputPiece{at, out.size(), begin, begin + text.size()});
  }
}

}  // namespace vestrilo
