// The UTF-8 mode of an extractor. The Chinese rules read GBK, so a UTF-8 line is
// converted for them, with the position of every GBK byte in the line kept; the
// English rules read the line's own bytes (bytes of 0x80 and above are word
// bytes in both encodings). What the rules give back is then put in the form
// UTF-8 mode writes: sources and entity texts are the line's own bytes for the
// span, exact whatever they hold; translations and everything a rendering adds
// are converted to UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Markup.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {

class Utf8Line {
 public:
  // Takes a UTF-8 line, which must stay alive until the results of this line
  // have been put in form, and gives the text the sentence class of the
  // direction reads: its GBK conversion when the rules read GBK (`toGbk`), else
  // the line itself. An ASCII line is the same text in both encodings and is
  // read as it is.
  std::string_view read(std::string_view line, bool toGbk);

  // The offset in the line of an offset in the text read.
  std::size_t lineOffset(std::size_t textOffset) const {
    if (direct_) return textOffset;
    return textOffset < positions_.size() ? positions_[textOffset] : line_.size();
  }

  // One pair of the sentence just read, given as views into its text (`read`),
  // in the form written: the source is the line's own bytes for its span, the
  // translation UTF-8 (a translation that is its source, an Arabic number, is
  // the source as written).
  void formPair(std::string_view read, std::string_view source, std::string_view translation,
                std::string& sourceOut, std::string& translationOut) const;

  // An entity whose span and texts are those of the text read, in the form written.
  void putInForm(Entity& e) const;

  // A rendering of the text read, with the pieces where it shows that text, in
  // UTF-8: the pieces show the line's own bytes (escaped in the HTML forms),
  // everything else is converted.
  std::string rendering(std::string_view rendered, const InputPieces& pieces, bool html) const;

 private:
  std::string_view lineText(std::size_t begin, std::size_t end) const {
    const std::size_t b = lineOffset(begin), e = lineOffset(end);
    return b < e ? line_.substr(b, e - b) : std::string_view();
  }
  // A translation in UTF-8, as formPair writes it.
  static void formTranslation(std::string_view translation, std::string_view sourceRead,
                              std::string_view sourceWritten, std::string& out);

  std::string_view line_;
  std::string gbk_;
  std::vector<std::uint32_t> positions_;  // see utf8::toGbk
  bool direct_ = true;                    // the text read is the line itself
};

}  // namespace vestrilo
