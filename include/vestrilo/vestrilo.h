// Vestrilo: finds number and time expressions in text (numbers in digits, words
// or Chinese numerals, digit-by-digit figures, fractions, percentages, ordinals,
// weekdays, dates, clock times) and translates each one between Chinese and
// English.
//
// Text is handled line by line, one sentence per line. Chinese input is
// word-segmented (words separated by single spaces). Lines and results are byte
// strings in the extractor's encoding (Options): GBK, or UTF-8; all positions
// are byte offsets into the line as given.
//
//   vestrilo::Extractor extractor(vestrilo::Direction::ChineseToEnglish);
//   for (const vestrilo::Pair& p : extractor.pairs(line))
//     std::cout << p.source << " ||| " << p.translation << '\n';
//
// Threads: distinct Extractor and Registry objects share nothing and may be used
// concurrently from different threads; one object is used by one thread at a
// time (give each thread an extractor of its own). Free functions may be called
// from any thread. A moved-from object may only be assigned to or destroyed.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestrilo {

// The project version, "major.minor.patch".
const char* version();

enum class Direction { ChineseToEnglish, EnglishToChinese };

// The encoding of lines and results: GBK, or UTF-8.
//
// In UTF-8 mode every call takes and gives UTF-8, and offsets are byte offsets
// into the UTF-8 line. A character with no GBK form (an emoji, a rare name, a
// non-breaking space) and any bytes that are not well-formed UTF-8 are read as
// one character that no rule takes for a numeral, a unit or punctuation; a
// source or entity text is always the line's own bytes for its span, exactly
// as given. Translations and renderings are UTF-8 (a rendering shows the
// line's own bytes where it shows input text).
enum class Encoding { GBK, UTF8 };

struct Options {
  Encoding encoding = Encoding::GBK;
};

// The encoding named "GBK" or "UTF-8" (in any letter case); false for any other name.
bool encodingNamed(std::string_view name, Encoding& encoding);

// Text of the given encoding as well-formed UTF-8: GBK is converted (as iconv
// converts it); a byte that cannot be converted (one that is no GBK character,
// each ill-formed piece of UTF-8) becomes U+FFFD.
std::string toUtf8(std::string_view text, Encoding encoding);

// One translation pair: an entity's source text and its translation.
// `candidate` marks the second reading of an entity that has two (an English
// «ten to five» is a range and a clock time): it follows its entity's first
// pair, and it is written only when that pair is written.
struct Pair {
  std::string source;
  std::string translation;
  bool candidate = false;
};

bool operator==(const Pair& a, const Pair& b);
inline bool operator!=(const Pair& a, const Pair& b) { return !(a == b); }

// The kinds of entities, of both directions. Chinese to English gives Number,
// Figure, Ordinal, Week, Date, Clock, Arabic (a number in digits),
// ArabicWithUnit (digits with a Chinese magnitude, 5万) and Fractional
// (fractions and percentages); English to Chinese gives Ordinal, Week, Clock,
// Figure (a figure or a range), Arabic, MonthDate, DayDate, Units, Tens and
// WordNumber (numbers in words), Fraction, ArabicMagnitude (digits with a
// magnitude word, 5 million), and the two kinds with a second reading:
// FigureOrClock (a range, or a clock time: «ten to five») and ClockOrNumber (a
// clock time, or a number: «at five»).
enum class EntityKind {
  Number,
  Figure,
  Ordinal,
  Week,
  Date,
  Clock,
  Arabic,
  ArabicWithUnit,
  Fractional,
  MonthDate,
  DayDate,
  Units,
  Tens,
  WordNumber,
  Fraction,
  ArabicMagnitude,
  FigureOrClock,
  ClockOrNumber,
};
inline constexpr int kEntityKinds = static_cast<int>(EntityKind::ClockOrNumber) + 1;

// The kind's name: the enumerator's name as written above ("Date",
// "FigureOrClock"); stable, as the viewer's jsonl and the Python module show it.
std::string_view kindName(EntityKind kind);

// One entity found in a line.
struct Entity {
  std::size_t start = 0;   // byte offset of its first byte in the line
  std::size_t end = 0;     // byte offset just past its last byte
  EntityKind kind = EntityKind::Number;
  std::string text;        // the line's bytes [start, end)
  std::string translation; // empty when the entity has no rendering
  std::optional<std::string> candidate;  // the second reading, for the two kinds that have one
};

// The set of pairs written so far, and the rule that decides which pairs of a
// line are written: a pair is written the first time it occurs, a pair with an
// empty translation is never written, and a second reading is written exactly
// when the pair before it was written (and then registered without a test).
// Feeding it the unfiltered pairs of lines (Extractor::collect), in input order,
// gives exactly the pairs one extractor would give, wherever they were collected.
class Registry {
 public:
  Registry();
  ~Registry();
  Registry(Registry&&) noexcept;
  Registry& operator=(Registry&&) noexcept;

  // Runs pairs [first, last), the unfiltered pairs of whole lines in order,
  // through the rule; appends the pairs to write to `written` and registers them.
  void admit(const Pair* first, const Pair* last, std::vector<Pair>& written);
  void admit(const std::vector<Pair>& found, std::vector<Pair>& written);
  // The same, appending "source ||| translation\n" per written pair to `lines`.
  void admitLines(const Pair* first, const Pair* last, std::string& lines);

  bool contains(std::string_view source, std::string_view translation) const;
  std::size_t size() const;  // pairs registered
  void clear();

  // Reduces the unfiltered pairs of a block of consecutive lines to those that
  // can still be written when the block is admitted after any earlier pairs: a
  // pair tested before in the same block is dropped with its second reading (a
  // registry never writes a repeat), and pairs with empty translations go
  // (but for the one before a second reading that stands alone after it).
  // Admitting the reduced pairs of the blocks in input order writes exactly what
  // admitting all their pairs writes; a block's reduction holds at most its
  // distinct pairs. Appends to `reduced`.
  static void reduce(const std::vector<Pair>& found, std::vector<Pair>& reduced);

 private:
  friend class Extractor;
  struct State;
  std::unique_ptr<State> state_;
};

// The renderings of a whole line that vestrilo-view writes.
enum class Rendering {
  Tags,            // the line with its entities framed by tags naming their kind
  Html,            // the same in coloured HTML
  TranslatedTags,  // each entity followed by its translation, plain tags
  TranslatedHtml,  // the same in coloured HTML
  PairsHtml,       // the line's new pairs (through the extractor's registry), coloured HTML
};

// Recognition and translation of lines in one direction, with a registry of the
// pairs it has given.
class Extractor {
 public:
  explicit Extractor(Direction direction, Options options = {});
  ~Extractor();
  Extractor(Extractor&&) noexcept;
  Extractor& operator=(Extractor&&) noexcept;

  Direction direction() const;
  const Options& options() const;

  // The new pairs of one line, as the command line writes them: pairs given
  // before by this extractor are left out, and registered from now on.
  std::vector<Pair> pairs(std::string_view line);
  // The same, appended to `written`.
  void pairs(std::string_view line, std::vector<Pair>& written);

  // Every pair of the line in order, second readings marked, not filtered and
  // not registered: appended to `found`. Registry::admit filters them.
  void collect(std::string_view line, std::vector<Pair>& found) const;

  // Every entity of the line in order, not filtered by the registry.
  std::vector<Entity> entities(std::string_view line) const;

  // The line rendered whole (see Rendering). The pair lines (PairsHtml) show
  // the line's pairs that `registry` admits, and register them; without a
  // registry they show the line's distinct pairs.
  std::string render(std::string_view line, Rendering rendering) const;
  std::string render(std::string_view line, Rendering rendering, Registry& registry) const;

  // The pairs given so far; reset() forgets them.
  Registry& registry();
  const Registry& registry() const;
  void reset();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vestrilo
