#include "engine/Utf8Line.h"

#include "core/Utf8Gbk.h"

namespace vestrilo {

std::string_view Utf8Line::read(std::string_view line, bool toGbk) {
  line_ = line;
  direct_ = !toGbk || utf8::isAscii(line);
  if (direct_) return line;
  utf8::toGbk(line, gbk_, positions_);
  return gbk_;
}

void Utf8Line::formTranslation(std::string_view translation, std::string_view sourceRead,
                               std::string_view sourceWritten, std::string& out) {
  if (translation == sourceRead) {
    out.assign(sourceWritten.data(), sourceWritten.size());
  } else if (utf8::isAscii(translation)) {
    out.assign(translation.data(), translation.size());
  } else {
    out.clear();
    utf8::appendGbkAsUtf8(out, translation);
  }
}

void Utf8Line::formPair(std::string_view read, std::string_view source, std::string_view translation,
                        std::string& sourceOut, std::string& translationOut) const {
  if (direct_) {
    sourceOut.assign(source.data(), source.size());
  } else if (source.data() >= read.data() && source.data() + source.size() <= read.data() + read.size()) {
    const auto begin = static_cast<std::size_t>(source.data() - read.data());
    const std::string_view written = lineText(begin, begin + source.size());
    sourceOut.assign(written.data(), written.size());
  } else {
    sourceOut = utf8::gbkToUtf8(source);  // no record of its own: converted like any GBK text
  }
  formTranslation(translation, source, sourceOut, translationOut);
}

void Utf8Line::putInForm(Entity& e) const {
  std::string written(lineText(e.start, e.end)), converted;
  formTranslation(e.translation, e.text, written, converted);
  e.translation.swap(converted);
  if (e.candidate) {
    formTranslation(*e.candidate, e.text, written, converted);
    e.candidate->swap(converted);
  }
  e.start = lineOffset(e.start);
  e.end = lineOffset(e.end);
  e.text = std::move(written);
}

std::string Utf8Line::rendering(std::string_view rendered, const InputPieces& pieces, bool html) const {
  std::string out;
  out.reserve(rendered.size() + rendered.size() / 2);
  std::size_t at = 0;
  for (const InputPiece& piece : pieces) {
    if (piece.outBegin < at || piece.outEnd > rendered.size() || piece.outBegin > piece.outEnd) continue;
    utf8::appendGbkAsUtf8(out, rendered.substr(at, piece.outBegin - at));
    if (direct_) {
      // The text read is the line itself: the piece already shows its bytes.
      out.append(rendered.data() + piece.outBegin, piece.outEnd - piece.outBegin);
    } else {
      appendText(out, lineText(piece.begin, piece.end), html);
    }
    at = piece.outEnd;
  }
  utf8::appendGbkAsUtf8(out, rendered.substr(at));
  return out;
}

}  // namespace vestrilo
