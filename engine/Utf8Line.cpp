#include "engine/Utf8Line.h"

#include "core/Utf8Gbk.h"

namespace vestrilo {

std::string_view Utf8Line::read(std::string_view line, bool chinese) {
  line_ = line;
  direct_ = !chinese || utf8::isAscii(line);
  if (direct_) return line;
  utf8::toGbk(line, gbk_, positions_);
  return gbk_;
}

void Utf8Line::putTranslationInForm(std::string& translation, std::string_view sourceRead,
                                    std::string_view sourceWritten) {
  if (translation == sourceRead) {
    if (sourceWritten != sourceRead) translation.assign(sourceWritten.data(), sourceWritten.size());
    return;
  }
  if (!utf8::isAscii(translation)) translation = utf8::gbkToUtf8(translation);
}

void Utf8Line::putInForm(const ChineseSentence& s, TranslationPair* first, TranslationPair* last) const {
  // translationPairs gives one pair per translated record, in order.
  TranslationPair* p = first;
  std::string written;
  for (std::size_t i = 0; i < s.entities.size() && p != last; ++i) {
    const ChineseEntity& e = s.entities[i];
    if (!ChineseSentence::isTranslated(e.kind)) continue;
    if (!direct_) {
      const std::string_view read = s.text(e);
      if (p->source == read) {
        const auto begin = static_cast<std::size_t>(read.data() - s.sentence.data());
        written.assign(lineText(begin, begin + read.size()));
      } else {
        written = utf8::gbkToUtf8(p->source);  // no record of its own: converted like any GBK text
      }
      putTranslationInForm(p->translation, p->source, written);
      p->source.swap(written);
    } else {
      putTranslationInForm(p->translation, p->source, p->source);
    }
    ++p;
  }
  for (; p != last; ++p) {
    written = direct_ ? p->source : utf8::gbkToUtf8(p->source);
    putTranslationInForm(p->translation, p->source, written);
    p->source.swap(written);
  }
}

void Utf8Line::appendPair(std::vector<Pair>& found, std::string_view read, std::string_view source,
                          std::string_view translation, bool candidate) const {
  Pair& p = found.emplace_back();
  p.candidate = candidate;
  if (direct_) {
    p.source.assign(source.data(), source.size());
  } else if (source.data() >= read.data() && source.data() + source.size() <= read.data() + read.size()) {
    const auto begin = static_cast<std::size_t>(source.data() - read.data());
    p.source.assign(lineText(begin, begin + source.size()));
  } else {
    p.source = utf8::gbkToUtf8(source);  // no record of its own: converted like any GBK text
  }
  // As putTranslationInForm: a translation that is its source is the source as
  // written, any other is converted (ASCII as it is).
  if (translation == source)
    p.translation = p.source;
  else if (utf8::isAscii(translation))
    p.translation.assign(translation.data(), translation.size());
  else
    p.translation = utf8::gbkToUtf8(translation);
}

void Utf8Line::putInForm(const EnglishSentence&, TranslationPair* first, TranslationPair* last) const {
  // The English rules read the line itself: sources are its bytes already.
  for (TranslationPair* p = first; p != last; ++p) putTranslationInForm(p->translation, p->source, p->source);
}

void Utf8Line::putInForm(Entity& e) const {
  std::string written(lineText(e.start, e.end));
  putTranslationInForm(e.translation, e.text, written);
  if (e.candidate) putTranslationInForm(*e.candidate, e.text, written);
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
