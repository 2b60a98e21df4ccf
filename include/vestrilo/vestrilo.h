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
// The library reads and writes UTF-8 unless told otherwise (Options, FileJob);
// the command lines read GBK unless told otherwise.
//
// Errors. Failures are reported as Status values, never as exceptions: the
// functions that can fail return one, and an object that cannot work says so
// from its construction on (Extractor::status()) and gives empty results.
// (Running out of memory throws std::bad_alloc, as the standard library does,
// on the caller's thread: the threads of the file job hand it on.)
//
// Limits. A line is read whole up to kMaxLineBytes; the entity records use
// 32-bit offsets, and a UTF-8 line may double in length when it is converted
// for the Chinese rules. An extractor gives nothing for a longer line (no pair,
// no entity, an empty rendering); the file job and reduceBlock stop with the
// status LineTooLong instead of cutting it.
//
// Threads. Free functions may be called from any thread. One Extractor may be
// shared by threads: its const calls and pairs() may run at the same time (each
// call takes a workspace of its own, see Extractor); the other calls need no
// other call on it running. A Registry, an InputFile and an OutputFile are used
// by one thread at a time. Distinct objects share nothing.
//
// Moved-from objects may be destroyed and assigned to. Any other call on one
// is a precondition violation: debug builds stop at an assertion, release
// builds give empty results (and the status MovedFrom where there is one).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vestrilo {

// The project version, "major.minor.patch".
const char* version();

// ---------------------------------------------------------------- status

enum class StatusCode {
  Ok,
  InvalidArgument,    // a value the call does not take
  NoConverter,        // the C library's iconv has no GBK converter, which UTF-8 mode needs
  MovedFrom,          // the object was moved from
  CannotOpenInput,    // an input file could not be opened (errno and the file's name given)
  CannotReadInput,    // reading an input file failed (errno and name given)
  CannotOpenOutput,   // an output file could not be created or truncated (errno and name given)
  CannotWriteOutput,  // writing or closing an output file failed (errno and name given)
  LineTooLong,        // a line longer than the limit (kMaxLineBytes, or a smaller one asked for)
  CorruptBlock,       // bytes that reduceBlock did not write
  OutputIsInput,      // the output file is a file being read (the name given)
  Cancelled,          // the file job was stopped by its Progress (Progress::cancelled)
};

// The outcome of a call: Ok, or a code with a message in English saying what
// failed, and for file errors the system's error number (errno) and the file's
// name.
class Status {
 public:
  Status() = default;
  Status(StatusCode code, std::string message, int systemError = 0, std::string fileName = {})
      : code_(code), message_(std::move(message)), systemError_(systemError), fileName_(std::move(fileName)) {}

  bool ok() const { return code_ == StatusCode::Ok; }
  StatusCode code() const { return code_; }
  const std::string& message() const { return message_; }
  int systemError() const { return systemError_; }  // 0 when the system reported none
  const std::string& fileName() const { return fileName_; }
  // The message, the file's name and the system's text for the error, as one
  // line: "unable to open input file: in.txt: No such file or directory".
  std::string toString() const;

 private:
  StatusCode code_ = StatusCode::Ok;
  std::string message_;
  int systemError_ = 0;
  std::string fileName_;
};

// ---------------------------------------------------------------- names and encodings

enum class Direction { ChineseToEnglish, EnglishToChinese };

// The direction named "C2E" (Chinese to English) or "E2C", compared byte for
// byte; false for any other name. directionOption reads the command lines' form
// of the same names, "-C2E" and "-E2C".
bool directionNamed(std::string_view name, Direction& direction);
bool directionOption(std::string_view argument, Direction& direction);
std::string_view directionName(Direction direction);  // "C2E" or "E2C"

// The encoding of lines and results: GBK, or UTF-8.
//
// In UTF-8 mode every call takes and gives UTF-8, and offsets are byte offsets
// into the UTF-8 line. A character with no GBK form (an emoji, a rare name, a
// non-breaking space) and any bytes that are not well-formed UTF-8 are read as
// one character that no rule takes for a numeral, a unit or punctuation; a
// source or entity text is always the line's own bytes for its span, exactly
// as given. Translations and renderings are UTF-8 (a rendering shows the
// line's own bytes where it shows input text). UTF-8 mode converts with tables
// made once from the C library's iconv; where iconv has no GBK converter an
// extractor in UTF-8 mode reports NoConverter.
enum class Encoding { GBK, UTF8 };

// The rules an extractor applies.
//
// Classic, the default: the rules every release has applied; their output is
// kept byte for byte from release to release, for callers that store it.
// Extended: the classic rules with additions for forms they do not read (such
// as full-width digits, traditional characters, ISO and numeric dates, time
// stamps) and guards against readings that are wrong in context (such as a
// numeral and 点 that are not a clock time). Their output improves from release
// to release; bench/quality/ measures it on annotated real text.
enum class Rules { Classic, Extended };

// How an extractor reads and writes. UTF-8 and the classic rules by default;
// the command lines read and write GBK unless told otherwise.
struct Options {
  Encoding encoding = Encoding::UTF8;
  Rules rules = Rules::Classic;
};

// The encoding named "GBK" or "UTF-8" (in any letter case); false for any other name.
bool encodingNamed(std::string_view name, Encoding& encoding);
std::string_view encodingName(Encoding encoding);  // "GBK" or "UTF-8"

// The rules named "classic" or "extended" (in any letter case); false for any other name.
bool rulesNamed(std::string_view name, Rules& rules);
std::string_view rulesName(Rules rules);  // "classic" or "extended"

// Text of the given encoding as well-formed UTF-8: GBK is converted (as iconv
// converts it); a byte that cannot be converted (one that is no GBK character,
// each ill-formed piece of UTF-8) becomes U+FFFD. Where iconv has no GBK
// converter (see NoConverter) every GBK byte of 0x80 and above is U+FFFD.
std::string toUtf8(std::string_view text, Encoding encoding);

// The longest line read whole, in bytes (1 GiB less one byte).
inline constexpr std::size_t kMaxLineBytes = (std::size_t(1) << 30) - 1;

// ---------------------------------------------------------------- results

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

// The renderings of a whole line that vestrilo-view writes.
enum class Rendering {
  Tags,            // the line with its entities framed by tags naming their kind
  Html,            // the same in coloured HTML
  TranslatedTags,  // each entity followed by its translation, plain tags
  TranslatedHtml,  // the same in coloured HTML
  PairsHtml,       // the line's new pairs (through a registry), coloured HTML
};

// The rendering named "tags", "html", "translated-tags", "translated-html" or
// "pairs-html" (the viewer's format names); false for any other name.
bool renderingNamed(std::string_view name, Rendering& rendering);

// ---------------------------------------------------------------- registry

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
  // distinct pairs. Appends to `reduced`. The same rule decides both.
  static void reduce(const std::vector<Pair>& found, std::vector<Pair>& reduced);

  // Admits a block written by reduceBlock, appending "source ||| translation\n"
  // per written pair to `lines`. CorruptBlock (and nothing admitted) for bytes
  // reduceBlock did not write.
  Status admitBlock(std::string_view block, std::string& lines);

 private:
  friend class Extractor;
  struct State;
  std::unique_ptr<State> state_;
};

// ---------------------------------------------------------------- extractor

// Recognition and translation of lines in one direction, with a registry of the
// pairs it has given.
//
// An extractor holds the direction's rules and a few workspaces: the sentence
// objects the rules work in, with the memos they fill as lines go by (values of
// numerals and number words, translations of entities). Each call takes a free
// workspace for its duration (a new one when every one is in use), so the const
// calls, which change nothing a caller can see, may run on one extractor from
// several threads at once, and pairs() too: it admits each line's pairs through
// the extractor's registry under a lock, as one step, so that concurrent calls
// write the pairs one extractor writes for the lines in the order in which they
// took the lock (the lines of one call in their order, those of other calls
// possibly between them).
class Extractor {
 public:
  explicit Extractor(Direction direction, Options options = {});
  ~Extractor();
  Extractor(Extractor&&) noexcept;
  Extractor& operator=(Extractor&&) noexcept;

  // Ok, or why the extractor cannot work (NoConverter: UTF-8 mode in a C
  // library without GBK; MovedFrom). An extractor that cannot work gives empty
  // results from every call.
  bool ok() const;
  const Status& status() const;

  Direction direction() const;
  const Options& options() const;

  // The new pairs of one line, as the command line writes them: pairs given
  // before by this extractor are left out, and registered from now on.
  std::vector<Pair> pairs(std::string_view line);
  // The same, appended to `written`.
  void pairs(std::string_view line, std::vector<Pair>& written);
  // The new pairs of several lines, admitted in their order: appended to
  // `written`, and for each line the size of `written` after its pairs
  // appended to `ends`.
  void pairs(const std::vector<std::string_view>& lines, std::vector<Pair>& written, std::vector<std::size_t>& ends);
  // The same, also appending to `added` the pairs this call registered that
  // were not registered before (a second reading may be written again), for a
  // caller whose larger task may fail as a whole: forget(added) then leaves the
  // registry as it was before the task (the Python module's pairs_many does so).
  void pairs(const std::vector<std::string_view>& lines, std::vector<Pair>& written, std::vector<std::size_t>& ends,
             std::vector<Pair>& added);
  // Forgets pairs registered before: each is given anew when a line has it
  // again. A call of pairs() on another thread that ran in between may have
  // left out a pair forgotten here.
  void forget(const std::vector<Pair>& pairs);

  // Every pair of the line in order, second readings marked, not filtered and
  // not registered: appended to `found`. Registry::admit filters them.
  void collect(std::string_view line, std::vector<Pair>& found) const;
  // The same for several lines, with `ends` as for pairs().
  void collect(const std::vector<std::string_view>& lines, std::vector<Pair>& found,
               std::vector<std::size_t>& ends) const;

  // Every entity of the line in order, not filtered by the registry.
  std::vector<Entity> entities(std::string_view line) const;

  // The line rendered whole (see Rendering). The pair lines (PairsHtml) show
  // the line's pairs that `registry` admits, and register them there; without a
  // registry they show the line's distinct pairs.
  std::string render(std::string_view line, Rendering rendering) const;
  std::string render(std::string_view line, Rendering rendering, Registry& registry) const;

  // The pairs given so far; reset() forgets them. reset() may run beside
  // pairs(); a caller using the registry itself keeps other calls away.
  Registry& registry();
  const Registry& registry() const;
  void reset();

 private:
  struct State;
  std::unique_ptr<State> state_;
  const State* usable() const;
  void admitLines(const std::vector<std::string_view>& lines, std::vector<Pair>& written,
                  std::vector<std::size_t>& ends, std::vector<Pair>* added);
};

// ---------------------------------------------------------------- blocks (cluster mode)

// A block of consecutive whole lines (their bytes as in a file: lines end at
// each LF, a last line without one counts when it is not empty), reduced to the
// pairs that can still be written when the block is admitted after the blocks
// before it (see Registry::reduce), as bytes for Registry::admitBlock. When
// `startOfInput` is true the block begins the input, and a UTF-8 byte-order mark
// there is skipped as the file job skips it. LineTooLong for a longer line; the
// extractor's status when it cannot work.
Status reduceBlock(const Extractor& extractor, std::string_view lines, bool startOfInput, std::string& block);

// ---------------------------------------------------------------- files

// Lines read from a file in batches: `bytes` holds them, `lines` are views into
// it, without their line feeds (a CR before the LF is kept).
struct LineBatch {
  std::string bytes;
  std::vector<std::string_view> lines;
};

// A text file read as lines, in batches of about 1 MiB, as the file job reads
// it: lines end at each LF, a last line without one counts when it holds a
// byte, and in UTF-8 a byte-order mark at the start of the file is skipped.
// The name "-" stands for standard input (a file named so is "./-").
class InputFile {
 public:
  InputFile();
  ~InputFile();
  InputFile(InputFile&&) noexcept;
  InputFile& operator=(InputFile&&) noexcept;

  // Opens the file (CannotOpenInput on failure, CannotReadInput for a
  // directory; InvalidArgument for a maxLineBytes of 0 or above kMaxLineBytes).
  // A line longer than maxLineBytes stops the reading with LineTooLong.
  Status open(const std::string& path, Encoding encoding, std::size_t maxLineBytes = kMaxLineBytes);

  // The next batch of whole lines; false at the end of the file or when
  // reading stopped (status() says why: CannotReadInput, or LineTooLong naming
  // the line). The views stay valid until the next call.
  bool next(LineBatch& batch);
  const Status& status() const;

  unsigned long long linesRead() const;  // lines given so far
  // The bytes of the file the lines given so far cover (their line feeds and a
  // skipped byte-order mark included).
  unsigned long long bytesDone() const;
  // The bytes to read when the file is a regular file (its size, less where
  // standard input stood when it was opened), for a share done; else none.
  std::optional<unsigned long long> size() const;

 private:
  friend class OutputFile;
  struct State;
  std::unique_ptr<State> state_;
};

// A file written whole, or not at all.
//
// A regular file, or a new one, is written under a temporary name beside it
// (".NAME.XXXXXX.partial" in its directory) and put in its place by close(),
// when everything was written: an old file is replaced at once, keeping its
// mode, and through a symbolic link the link's target is replaced. A file that
// is not closed, or whose writing failed, is removed again and leaves an old
// file as it was. FIFOs, devices and standard output (the name "-") are
// written directly: what was written stays.
class OutputFile {
 public:
  OutputFile();
  ~OutputFile();  // discards what close() did not put in place
  OutputFile(OutputFile&&) noexcept;
  OutputFile& operator=(OutputFile&&) noexcept;

  // Opens the file: CannotOpenOutput on failure, and OutputIsInput, before
  // anything is made, when the file (also through a link, or as standard
  // output) is one of `inputs`, the files being read.
  Status open(const std::string& path, const std::vector<const InputFile*>& inputs = {});
  // Appends the bytes. After a failure (CannotWriteOutput) later writes write
  // nothing and give the first failure again.
  Status write(std::string_view bytes);
  // Writes what is buffered, closes the file and puts it in its place; the
  // first failure of any write, the close or the renaming (and then the file is
  // discarded).
  Status close();
  // Closes the file without putting it in its place: a file written beside its
  // place is removed (a stream or device keeps what was written).
  void discard();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// ---------------------------------------------------------------- the file job

// Where a file job stands after one batch of lines.
struct BatchProgress {
  unsigned long long firstLine = 1;  // the number of the batch's first line (from 1)
  std::size_t lines = 0;             // lines in the batch
  unsigned long long bytesDone = 0;  // input bytes up to the end of the batch (InputFile::bytesDone)
  std::optional<unsigned long long> inputSize;  // the input's size, for a regular file
};

// What a file job tells as it goes, and how it is stopped. The job calls
// started() once both files are open, then for each batch prepare() as soon as
// the batch's lines are extracted, on whichever thread extracted them (several
// at once; the text it leaves in `note` goes with the batch), and report() on
// the job's own thread in input order, just before the batch's new pairs are
// written. A message per line is best formatted in prepare(). cancelled() is
// asked on the job's own thread before each batch is read, before each batch is
// written and when the job ends; true stops the job with the status Cancelled,
// the output discarded. (A read waiting on a pipe or a terminal ends early when
// a signal handler installed without SA_RESTART runs on the job's thread; the
// job's helper threads take no signals.)
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void started() {}
  virtual void prepare(const BatchProgress& batch, std::string& note) const {
    (void)batch;
    (void)note;
  }
  virtual void report(const BatchProgress& batch, const std::string& note) {
    (void)batch;
    (void)note;
  }
  virtual bool cancelled() { return false; }
};

// The most threads a file job runs on.
inline constexpr unsigned kMaxThreads = 256;

// What the command line vestrilo does: read `input` as lines, run them through
// an extractor on `threads` threads, admit their pairs in input order through
// one registry and write the new ones to `output` as "source ||| translation"
// lines (in the encoding of the input).
struct FileJob {
  Direction direction = Direction::ChineseToEnglish;
  Options options;                      // the rules, and the encoding of the input and the output
  std::string input;                    // a file (InputFile), "-" for standard input
  std::string output;                   // a file (OutputFile), "-" for standard output
  unsigned threads = 0;                      // 0: one per core; more than kMaxThreads: kMaxThreads
  std::size_t maxLineBytes = kMaxLineBytes;  // longer lines stop the job (LineTooLong)
  Progress* progress = nullptr;              // none: the job is silent and runs to its end
};

// Runs the job: opens the input, then the output, then writes the pairs batch
// by batch (the output is the same whatever the thread count). The output is
// an OutputFile: a regular file is in place, complete, when the job returns Ok,
// and left as it was when it fails. A failure stops the job with the status
// saying what failed: CannotOpenInput, CannotReadInput (also a directory, before
// the output is opened), OutputIsInput, CannotOpenOutput, CannotWriteOutput,
// LineTooLong (the line's number in the message), Cancelled, NoConverter,
// InvalidArgument (a maxLineBytes of 0 or above the limit). On a stream or a
// device the pairs of the lines before the failure have been written.
//
// Threads: the batches are extracted on `threads` threads (the job's own and
// helpers), which take no signals. A thread that cannot be started is taken for
// a lack of resources: the job then runs on half the threads that started. A
// helper that runs out of memory hands its batch back and stops; the job's own
// thread finishes the work, so the output does not change (when it runs out of
// memory itself, std::bad_alloc reaches the caller and the output is discarded).
Status extractFile(const FileJob& job);

}  // namespace vestrilo
