// The fuzz targets' bodies, one function per target. The libFuzzer entry points
// (*_fuzzer.cpp) call them, and the regression test replays saved inputs
// through them, so both run exactly the same operations and checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chinese/ChineseSentence.h"
#include "chinese/ChineseStyle.h"
#include "core/SentenceOutput.h"
#include "core/Utf8Gbk.h"
#include "engine/LineReader.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"
#include "fuzz/FuzzSupport.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo::fuzz {

namespace detail {

inline ChineseSentence preparedChinese(const std::string& line, RuleSet rules) {
  ChineseSentence s{line};
  s.rules = rules;
  // The stages in runStages' order: the reading first (the extended rules read
  // variant characters as the ones they know).
  s.makeReading();
  s.tokenize();
  checkRecords(s.entities, line.size(), "tokenize");
  s.adjust();
  checkRecords(s.entities, line.size(), "adjust");
  s.recognize();
  checkRecords(s.entities, line.size(), "recognize");
  check(s.sentence == line, "the stages changed the sentence", s.sentence);
  return s;
}

inline EnglishSentence preparedEnglish(const std::string& line, RuleSet rules) {
  EnglishSentence s{line};
  s.rules = rules;
  s.tokenize();
  checkRecords(s.entities, line.size(), "tokenize");
  s.recognize();
  checkRecords(s.entities, line.size(), "recognize");
  s.disambiguate();
  checkRecords(s.entities, line.size(), "disambiguate");
  check(s.sentence == line, "the stages changed the sentence", s.sentence);
  check(s.lowered.size() == s.sentence.size(), "the working copy lost its length", s.lowered);
  return s;
}

inline bool wellFormedUtf8(std::string_view text) {
  std::string out;
  utf8::appendWellFormed(out, text);
  return out == text;
}

inline std::vector<Pair> pairsOf(Extractor& extractor, std::string_view line) {
  std::vector<Pair> found;
  extractor.collect(line, found);
  return found;
}

// The library's options for a rule set and an encoding.
inline Options optionsFor(Encoding encoding, RuleSet rules) {
  return Options{encoding, rules == RuleSet::Extended ? Rules::Extended : Rules::Classic};
}

inline constexpr Rendering kRenderings[] = {Rendering::Tags, Rendering::Html, Rendering::TranslatedTags,
                                            Rendering::TranslatedHtml, Rendering::PairsHtml};

// The same bytes through an extractor in UTF-8 mode. Whatever they hold: spans
// stay in order inside the line and cut their text out of it, and each pair's
// source is the text of its entity (second readings after theirs). When the line
// is well-formed, every span is well-formed too (it never splits a character),
// and so are the translations and renderings. And the UTF-8 mode is the GBK mode
// read through a conversion: English reads the same bytes and gives the same
// entities, translations converted; a Chinese line that GBK holds whole gives
// the converted results of its GBK form, renderings included.
inline void utf8Line(const std::string& line, Direction direction, RuleSet rules) {
  const Options utf8Options = optionsFor(Encoding::UTF8, rules), gbkOptions = optionsFor(Encoding::GBK, rules);
  Extractor extractor(direction, utf8Options);
  const std::vector<Pair> found = pairsOf(extractor, line);
  const std::vector<Entity> entities = extractor.entities(line);
  const bool wellFormed = wellFormedUtf8(line);
  std::size_t end = 0, k = 0;
  for (const Entity& e : entities) {
    check(e.start >= end && e.start < e.end && e.end <= line.size(), "UTF-8: an entity's span breaks the line", line);
    check(line.compare(e.start, e.end - e.start, e.text) == 0, "UTF-8: an entity's text is not its span", e.text);
    check(!wellFormed || wellFormedUtf8(e.text), "UTF-8: a span splits a character", e.text);
    check(!wellFormed || (wellFormedUtf8(e.translation) && wellFormedUtf8(e.candidate.value_or(""))),
          "UTF-8: a translation is not UTF-8", e.translation);
    check(k < found.size() && found[k].source == e.text && !found[k].candidate,
          "UTF-8: a pair's source is not its entity's text", e.text);
    check(found[k].translation == e.translation, "UTF-8: a pair's translation is not its entity's", e.translation);
    ++k;
    if (e.candidate) {
      check(k < found.size() && found[k].candidate && found[k].translation == *e.candidate,
            "UTF-8: a second reading is missing", e.text);
      ++k;
    }
    end = e.end;
  }
  check(k == found.size(), "UTF-8: a pair has no entity", line);
  for (Rendering r : kRenderings) {
    const std::string out = Extractor(direction, utf8Options).render(line, r);
    check(!wellFormed || wellFormedUtf8(out), "UTF-8: a rendering is not UTF-8", out);
  }

  auto converted = [](const std::string& gbk) { return utf8::gbkToUtf8(gbk); };
  if (direction == Direction::EnglishToChinese) {
    Extractor gbk(direction, gbkOptions);
    const std::vector<Entity> same = gbk.entities(line);
    check(same.size() == entities.size(), "UTF-8: English entities differ from GBK mode", line);
    for (std::size_t i = 0; i < same.size(); ++i) {
      const Entity& a = same[i];
      const Entity& b = entities[i];
      check(a.start == b.start && a.end == b.end && a.kind == b.kind, "UTF-8: an English entity moved", b.text);
      check(b.translation == (a.translation == a.text ? a.text : converted(a.translation)),
            "UTF-8: an English translation is not the converted GBK one", b.translation);
    }
    return;
  }
  std::string gbkLine;
  std::vector<std::uint32_t> positions;
  utf8::toGbk(line, gbkLine, positions);
  // The UTF-8 quick scan answers for the converted line, whatever the bytes.
  check(ChineseSentence::mayHoldEntityUtf8(line, rules) == ChineseSentence::mayHoldEntity(gbkLine, rules),
        "UTF-8: the quick scan of the line differs from that of its conversion", line);
  if (!wellFormed || converted(gbkLine) != line) return;  // the stand-in stood for something
  Extractor gbk(direction, gbkOptions);
  const std::vector<Pair> gbkFound = pairsOf(gbk, gbkLine);
  check(gbkFound.size() == found.size(), "UTF-8: Chinese pairs differ from those of the GBK line", line);
  for (std::size_t i = 0; i < found.size(); ++i)
    check(found[i].source == converted(gbkFound[i].source) && found[i].translation == converted(gbkFound[i].translation),
          "UTF-8: a Chinese pair is not the converted GBK pair", found[i].source);
  for (Rendering r : kRenderings) {
    std::string expected = converted(Extractor(direction, gbkOptions).render(gbkLine, r));
    check(Extractor(direction, utf8Options).render(line, r) == expected,
          "UTF-8: a Chinese rendering is not the converted GBK rendering", expected);
  }
}

// A whole line through the stages and every output operation, each operation on
// a sentence object of its own, then through the public extractor, which must
// give the same pairs and entities whose spans cut their text out of the line;
// then the same bytes in UTF-8 mode (utf8Line).
template <class Sentence>
void wholeLine(const std::uint8_t* data, std::size_t size, Sentence (*prepareRules)(const std::string&, RuleSet),
               Direction direction, RuleSet rules) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  auto prepared = [&](const std::string& l) { return prepareRules(l, rules); };

  std::string written, again;
  std::vector<Pair> pairs;
  {
    EmittedPairs registry;
    const Sentence s = prepared(line);
    written = translationLine<Pair>(s, registry);
    again = translationLine<Pair>(s, registry);
  }
  {
    const Sentence s = prepared(line);
    translationPairs(s, pairs);
  }
  checkTranslationLine(line, written, pairs, again);
  // The quick scan may clear only a line whose full stages find nothing.
  if (!Sentence::mayHoldEntity(line, rules)) check(pairs.empty(), "the quick scan cleared a line that holds an entity", line);

  // The extractor skips the stages of a cleared line: its pairs must be those
  // of the full stages either way.
  Extractor extractor(direction, optionsFor(Encoding::GBK, rules));
  std::vector<Pair> found;
  extractor.collect(line, found);
  check(samePairs(pairs, found), "Extractor::collect (with the quick scan) differs from translationPairs", line);
  std::string viaExtractor;
  for (const Pair& p : extractor.pairs(line)) appendPairLine(viaExtractor, p.source, p.translation);
  check(viaExtractor == written, "Extractor::pairs differs from translationLine", viaExtractor);
  check(extractor.pairs(line).empty(), "Extractor::pairs gave a pair twice", line);
  std::size_t end = 0;
  for (const Entity& e : extractor.entities(line)) {
    check(e.start >= end && e.start < e.end && e.end <= line.size(), "an entity's span breaks the line", line);
    check(line.compare(e.start, e.end - e.start, e.text) == 0, "an entity's text is not its span", e.text);
    end = e.end;
  }

  { const std::string out = wholeSentence(prepared(line), MarkupForm::Html); (void)out; }
  { const std::string out = wholeSentence(prepared(line), MarkupForm::Tags); (void)out; }
  {
    EmittedPairs registry;
    const std::string out = htmlPairLines<Pair>(prepared(line), registry);
    (void)out;
  }
  { const std::string out = markup(prepared(line), MarkupForm::Html); (void)out; }
  { const std::string out = markup(prepared(line), MarkupForm::Tags); (void)out; }

  utf8Line(line, direction, rules);
}

// A function taking any text and, for the conversions that always give a
// fixed-width digit string, that width (0: any text).
struct Entry {
  std::string (*function)(std::string);
  std::size_t digits;
};

inline std::string wordsValueText(std::string text) {
  return std::to_string(EnglishSentence::wordsValue(std::move(text)));
}

inline constexpr Entry kChineseFunctions[] = {
    {&ChineseSentence::chineseNumeralToDigits4, 0},
    {&ChineseSentence::chineseNumeralToDigits8, 0},
    {&ChineseSentence::chineseNumeralToArabic, 16},
    {&ChineseSentence::chineseDigitsToArabic, 0},
    {&ChineseSentence::hundredsToEnglish, 0},
    {&ChineseSentence::digitsToEnglish, 0},
    {&ChineseSentence::translateNumber, 0},
    {&ChineseSentence::translateFigure, 0},
    {&ChineseSentence::translateDate, 0},
    {&ChineseSentence::translateClock, 0},
    {&ChineseSentence::translateFractional, 0},
    {&ChineseSentence::translateOrdinal, 0},
    {&ChineseSentence::translateWeek, 0},
    {&ChineseSentence::convertPunctuation, 0},
    {&ChineseSentence::translateUnitNumber, 0},
};

inline constexpr Entry kEnglishFunctions[] = {
    {&EnglishSentence::hundredsToDigits, 4},
    {&EnglishSentence::wordsToArabic, 16},
    {&wordsValueText, 0},
    {&EnglishSentence::fourDigitsToChinese, 0},
    {&EnglishSentence::eightDigitsToChinese, 0},
    {&EnglishSentence::sixteenDigitsToChinese, 0},
    {&EnglishSentence::translateNumber, 0},
    {&EnglishSentence::translateArabicMagnitude, 0},
    {&EnglishSentence::translateFigure, 0},
    {&EnglishSentence::translateMonthDate, 0},
    {&EnglishSentence::translateDayDate, 0},
    {&EnglishSentence::translateClock, 0},
    {&EnglishSentence::translateFraction, 0},
    {&EnglishSentence::translateOrdinal, 0},
    {&EnglishSentence::translateWeek, 0},
};

template <std::size_t N>
void oneFunction(const Entry (&functions)[N], const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const Entry& entry = functions[data[0] % N];
  const std::string out = entry.function(text);
  if (entry.digits != 0) {
    check(out.size() == entry.digits && out.find_first_not_of("0123456789") == std::string::npos,
          "a digit-string conversion gave something else", out);
  }
}

// Joining the lines with line feeds gives the bytes back: a final line feed is
// the only thing splitting drops (an empty last piece is no line).
inline void checkReconstructs(std::string_view bytes, const std::vector<std::string>& lines, const char* who) {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) joined += '\n';
    joined += lines[i];
  }
  if (!bytes.empty() && bytes.back() == '\n') joined += '\n';
  check(joined == bytes, who, joined);
}

inline bool inside(std::string_view part, const std::string& whole) {
  const auto p = reinterpret_cast<std::uintptr_t>(part.data());
  const auto w = reinterpret_cast<std::uintptr_t>(whole.data());
  return part.empty() || (p >= w && p + part.size() <= w + whole.size());
}

}  // namespace detail

// A whole -C2E line, under both rule sets.
inline void chineseLine(const std::uint8_t* data, std::size_t size) {
  for (RuleSet rules : {RuleSet::Classic, RuleSet::Extended})
    detail::wholeLine<ChineseSentence>(data, size, &detail::preparedChinese, Direction::ChineseToEnglish, rules);
}

// A whole -E2C line, under both rule sets.
inline void englishLine(const std::uint8_t* data, std::size_t size) {
  for (RuleSet rules : {RuleSet::Classic, RuleSet::Extended})
    detail::wholeLine<EnglishSentence>(data, size, &detail::preparedEnglish, Direction::EnglishToChinese, rules);
}

// Every number conversion and translator of one side, called directly with
// arbitrary bytes: the first byte picks the function, the rest is its argument.
// The library may hand these functions texts that recognition never produces.
inline void chineseFunctions(const std::uint8_t* data, std::size_t size) {
  detail::oneFunction(detail::kChineseFunctions, data, size);
}
inline void englishFunctions(const std::uint8_t* data, std::size_t size) {
  detail::oneFunction(detail::kEnglishFunctions, data, size);
}

// The line splitting of the file reader: LineReader over an in-memory file, with block
// sizes small enough that lines straddle many blocks (first byte: 1..64 bytes,
// or 4 KiB for the top values), checked against splitLines over the whole
// input and against the bytes themselves.
inline void lineReader(const std::uint8_t* data, std::size_t size) {
  using detail::inside;
  if (size == 0) return;
  const std::size_t blockSize = data[0] >= 0xF0 ? 4096 : 1 + data[0] % 64;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::vector<std::string_view> views;
  splitLines(bytes, views);
  std::vector<std::string> expected(views.begin(), views.end());
  for (std::string_view v : views) check(inside(v, bytes), "splitLines gave a view outside its bytes");
  detail::checkReconstructs(bytes, expected, "splitLines lost or added bytes");

  // fmemopen needs a writable buffer even for reading.
  std::string buffer = bytes;
  std::FILE* file = fmemopen(buffer.data(), buffer.size(), "rb");
  if (!file) return;
  LineReader reader(file, blockSize);
  std::vector<std::string> got;
  LineBatch batch;
  std::size_t batches = 0;
  while (reader.next(batch)) {
    ++batches;
    check(!batch.lines.empty(), "a batch without lines was reported");
    for (std::string_view v : batch.lines) {
      check(inside(v, batch.bytes), "a line view points outside its batch");
      got.emplace_back(v);
    }
    check(batches <= bytes.size() + 1, "the reader does not come to an end");
  }
  check(!reader.next(batch), "the reader gave lines after its end");
  check(!reader.failed(), "a read from memory was reported as failed");
  std::fclose(file);
  check(got == expected, "LineReader and splitLines disagree", bytes);
}

}  // namespace vestrilo::fuzz
