#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/View.h"
#include "engine/LineReader.h"
#include "tests/TestSupport.h"

namespace vestrilo {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

const std::string kBanner = "Oskelund Documents Preprocessing - Num&Time Recognition and Translation\n";
const std::string kDone = "\nOk! Job has been done!\n";
const std::string kCountError =
    "Error: 4 parameters are needed, such as \"Vestrilo.exe -C2E[-E2C] infile outfile\"";
const std::string kDirectionError = "\nError: the 1st parameter should be \"-C2E\" or \"-E2C\"";

std::string progress(int lines) {
  std::string s;
  for (int i = 1; i <= lines; ++i) s += "\nProcessing Line " + std::to_string(i);
  return s;
}

TEST(Driver, ArgumentErrorsAreReportedInOrder) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, "三点\n");
  const std::string threadsError = "Error: VESTRILO_THREADS must be a positive number\n";
  const std::string encodingError = "Error: VESTRILO_ENCODING must be GBK or UTF-8\n";
  const std::string rulesError = "Error: VESTRILO_RULES must be classic or extended\n";
  struct Case {
    std::vector<std::string> args;
    std::string err;
    std::vector<std::string> env = {};
  } cases[] = {
      {{}, kCountError},
      {{"-C2E", in}, kCountError},
      {{"-C2E", in, out, "extra"}, kCountError},
      {{"-x", in}, kCountError},  // the count is checked before the direction
      {{"-c2e", in, out}, kDirectionError},
      {{"C2E", in, out}, kDirectionError},
      {{"-E2C ", in, out}, kDirectionError},
      {{"--help", in, out}, kDirectionError},  // --help only as the one argument
      // The thread count is checked after the arguments, before any file.
      {{"-c2e", in, out}, kDirectionError, {"VESTRILO_THREADS=0"}},
      {{"-C2E", in, out}, threadsError, {"VESTRILO_THREADS=0"}},
      {{"-C2E", in, out}, threadsError, {"VESTRILO_THREADS=-3"}},
      {{"-E2C", in, out}, threadsError, {"VESTRILO_THREADS=abc"}},
      {{"-E2C", in, out}, threadsError, {"VESTRILO_THREADS=2x"}},
      // So is the encoding, after the thread count.
      {{"-C2E", in}, kCountError, {"VESTRILO_ENCODING=latin1"}},
      {{"-x", in, out}, kDirectionError, {"VESTRILO_ENCODING=latin1"}},
      {{"-C2E", in, out}, threadsError, {"VESTRILO_THREADS=0", "VESTRILO_ENCODING=latin1"}},
      {{"-C2E", in, out}, encodingError, {"VESTRILO_ENCODING=latin1"}},
      {{"-E2C", in, out}, encodingError, {"VESTRILO_ENCODING=utf8"}},
      {{"-E2C", in, out}, encodingError, {"VESTRILO_ENCODING=UTF-8 "}},
      {{"-C2E", in, out}, encodingError, {"VESTRILO_ENCODING=GB18030"}},
      // And the rules, after the encoding.
      {{"-C2E", in, out}, encodingError, {"VESTRILO_ENCODING=latin1", "VESTRILO_RULES=fancy"}},
      {{"-C2E", in, out}, rulesError, {"VESTRILO_RULES=fancy"}},
      {{"-E2C", in, out}, rulesError, {"VESTRILO_RULES=extend"}},
      {{"-E2C", in, out}, rulesError, {"VESTRILO_RULES=classic "}},
  };
  for (const Case& c : cases) {
    const test::RunResult r = test::runVestrilo(c.args, c.env);
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(test::fileExists(out));
  }
}

TEST(Driver, MissingInputCreatesNoOutput) {
  TempDir dir;
  const std::string out = dir.file("out.txt");
  for (const char* direction : {"-C2E", "-E2C"}) {
    const test::RunResult r = test::runVestrilo({direction, dir.file("missing.txt"), out});
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.err, "Error: unable to open input file!\n");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(test::fileExists(out));
  }
}

TEST(Driver, UnopenableOutputIsAnError) {
  TempDir dir;
  const std::string in = dir.file("in.txt");
  writeFile(in, "三点\n");
  for (const std::string& out : {dir.file("no/such/dir/out.txt"), dir.path()}) {
    const test::RunResult r = test::runVestrilo({"-C2E", in, out});
    EXPECT_EQ(r.status, 255) << out;
    EXPECT_EQ(r.err, "Error: unable to open output file!\n");
    EXPECT_EQ(r.out, "");  // nothing was processed
  }
}

TEST(Driver, UnreadableInputIsAnError) {
  // A directory opens like a file but cannot be read: that is no successful run.
  TempDir dir;
  const test::RunResult r = test::runVestrilo({"-C2E", dir.path(), dir.file("out.txt")});
  EXPECT_EQ(r.status, 255);
  EXPECT_EQ(r.err, "Error: unable to read input file!\n");
  EXPECT_EQ(r.out.find(kDone), std::string::npos);
}

TEST(Driver, FailedWritesAreAnError) {
  TempDir dir;
  const std::string in = dir.file("in.txt");
  writeFile(in, "今天 是 2004年5月1日 ， 三点 开始 。\n100\n");
  const test::RunResult r = test::runVestrilo({"-C2E", in, "/dev/full"});
  EXPECT_EQ(r.status, 255);
  EXPECT_EQ(r.err, "Error: unable to write output file!\n");
  EXPECT_EQ(r.out.find(kDone), std::string::npos);
  const std::string english = dir.file("en.txt");
  writeFile(english, "We meet at half past five .\n");
  EXPECT_EQ(test::runVestrilo({"-E2C", english, "/dev/full"}).status, 255);
}

// In a C library whose iconv has no GBK converter (one is preloaded), a UTF-8
// run stops before it touches a file and says why; a GBK run needs no converter.
TEST(Driver, WithoutAGbkConverterUtf8RunsAreRefused) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, "三点\n");
  const std::vector<std::string> env = {"LD_PRELOAD=" VESTRILO_NO_GBK_ICONV, "ASAN_OPTIONS=verify_asan_link_order=0"};
  const std::string refused = "Error: the C library's iconv has no GBK converter, which UTF-8 needs\n";
  const struct {
    const char* program;
    std::vector<std::string> args;
    const char* encoding;
    int status;
    std::string err;
  } cases[] = {
      {VESTRILO_BINARY, {"-C2E", in, out}, "UTF-8", 255, refused},
      {VESTRILO_BINARY, {"-E2C", in, out}, "UTF-8", 255, refused},
      {VESTRILO_VIEW_BINARY, {"-C2E", "jsonl", in, out}, "UTF-8", 255, refused},
      {VESTRILO_BINARY, {"-C2E", in, out}, "GBK", 0, ""},
  };
  for (const auto& c : cases) {
    std::remove(out.c_str());
    std::vector<std::string> e = env;
    e.push_back(std::string("VESTRILO_ENCODING=") + c.encoding);
    const test::RunResult r = test::runProgram(c.program, c.args, e);
    EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.encoding;
    EXPECT_EQ(r.err, c.err) << c.args[0] << " " << c.encoding;
    EXPECT_EQ(test::fileExists(out), c.status == 0) << c.args[0] << " " << c.encoding;
  }
  EXPECT_EQ(readFile(out), "三点 ||| three o'clock\n");
}

TEST(Driver, ConsoleShowsOneProgressLinePerInputLine) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  struct Case {
    const char* name;
    std::string input;
    int lines;
  } cases[] = {
      {"empty file", "", 0},
      {"one line with LF", "a\n", 1},
      {"last line without LF", "a\nb", 2},
      {"empty lines count", "\n\n\n", 3},
      {"CR LF", "a\r\nb\r\n", 2},
      {"lone CR is not a line end", "a\rb\rc", 1},
  };
  for (const Case& c : cases) {
    for (const char* direction : {"-C2E", "-E2C"}) {
      writeFile(in, c.input);
      const test::RunResult r = test::runVestrilo({direction, in, out});
      EXPECT_EQ(r.status, 0) << c.name;
      EXPECT_EQ(r.err, "") << c.name;
      EXPECT_EQ(r.out, kBanner + progress(c.lines) + kDone) << c.name;
      EXPECT_TRUE(test::fileExists(out)) << c.name;
    }
  }
}

// Runs an entry point in this process; the exit status and what it wrote to
// standard output.
std::pair<int, std::string> runInProcess(int (*entry)(int, const char* const*, std::FILE*, std::FILE*),
                                         std::vector<const char*> argv) {
  std::FILE* console = std::tmpfile();
  std::FILE* errors = std::tmpfile();
  const int status = entry(static_cast<int>(argv.size()), argv.data(), console, errors);
  std::rewind(console);
  std::string text(1 << 16, '\0');
  text.resize(std::fread(text.data(), 1, text.size(), console));
  std::fclose(console);
  std::fclose(errors);
  return {status, text};
}

TEST(Driver, TestableEntryPointWritesTheSameConsoleText) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, "x\ny\n");
  const auto [status, text] = runInProcess(&runVestrilo, {"vestrilo", "-E2C", in.c_str(), out.c_str()});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(text, kBanner + progress(2) + kDone);
}

TEST(Driver, TwoRunsInOneProcessWriteTheSamePairs) {
  TempDir dir;
  for (const char* direction : {"-C2E", "-E2C"}) {
    const std::string example =
        std::string(VESTRILO_SOURCE_DIR) + (direction[1] == 'C' ? "/examples/chinese.txt" : "/examples/english.txt");
    const std::string first = dir.file("first.txt"), second = dir.file("second.txt");
    ASSERT_EQ(runInProcess(&runVestrilo, {"vestrilo", direction, example.c_str(), first.c_str()}).first, 0);
    ASSERT_EQ(runInProcess(&runVestrilo, {"vestrilo", direction, example.c_str(), second.c_str()}).first, 0);
    EXPECT_NE(readFile(first), "") << direction;
    EXPECT_EQ(readFile(second), readFile(first)) << direction;
  }
}

TEST(Driver, HelpAndVersionOfBothPrograms) {
  using Entry = int (*)(int, const char* const*, std::FILE*, std::FILE*);
  const struct {
    const char* program;
    Entry entry;
    std::vector<std::string> helpMentions;
  } programs[] = {
      {"vestrilo", &runVestrilo,
       {"Usage: vestrilo -C2E|-E2C infile outfile", "-E2C", "outfile", "VESTRILO_THREADS", "VESTRILO_ENCODING"}},
      {"vestrilo-view", &runVestriloView,
       {"Usage: vestrilo-view -C2E|-E2C FORMAT", "-E2C", "pairs-html", "jsonl", "outfile", "VESTRILO_ENCODING"}},
  };
  for (const auto& p : programs) {
    const auto [helpStatus, help] = runInProcess(p.entry, {p.program, "--help"});
    EXPECT_EQ(helpStatus, 0) << p.program;
    for (const std::string& mention : p.helpMentions) EXPECT_NE(help.find(mention), std::string::npos) << mention;
    const auto [versionStatus, versionText] = runInProcess(p.entry, {p.program, "--version"});
    EXPECT_EQ(versionStatus, 0) << p.program;
    EXPECT_EQ(versionText, std::string(p.program) + " " + version() + "\n");
  }
  EXPECT_EQ(test::runVestrilo({"--version"}).out, std::string("vestrilo ") + version() + "\n");
}

TEST(Driver, EncodingNamesInAnyLetterCase) {
  const struct {
    const char* value;  // nullptr: unset
    bool accepted;
    Encoding encoding;
  } cases[] = {
      {nullptr, true, Encoding::GBK}, {"", true, Encoding::GBK},       {"GBK", true, Encoding::GBK},
      {"gbk", true, Encoding::GBK},   {"UTF-8", true, Encoding::UTF8}, {"utf-8", true, Encoding::UTF8},
      {"Utf-8", true, Encoding::UTF8}, {"utf8", false, Encoding::GBK}, {"UTF-16", false, Encoding::GBK},
      {"GBK ", false, Encoding::GBK}, {"UTF-8x", false, Encoding::GBK}, {"GB", false, Encoding::GBK},
  };
  for (const auto& c : cases) {
    Encoding encoding = Encoding::UTF8 == c.encoding ? Encoding::GBK : Encoding::UTF8;
    EXPECT_EQ(parseEncoding(c.value, encoding), c.accepted) << (c.value ? c.value : "unset");
    if (c.accepted) {
      EXPECT_EQ(encoding, c.encoding) << (c.value ? c.value : "unset");
    }
  }
}

TEST(Driver, RulesNamesInAnyLetterCase) {
  const struct {
    const char* value;  // nullptr: unset
    bool accepted;
    Rules rules;
  } cases[] = {
      {nullptr, true, Rules::Classic},     {"", true, Rules::Classic},          {"classic", true, Rules::Classic},
      {"CLASSIC", true, Rules::Classic},   {"Extended", true, Rules::Extended}, {"extended", true, Rules::Extended},
      {"extend", false, Rules::Classic},   {" extended", false, Rules::Classic}, {"default", false, Rules::Classic},
  };
  for (const auto& c : cases) {
    Rules rules = c.rules == Rules::Classic ? Rules::Extended : Rules::Classic;
    EXPECT_EQ(parseRules(c.value, rules), c.accepted) << (c.value ? c.value : "unset");
    if (c.accepted) {
      EXPECT_EQ(rules, c.rules) << (c.value ? c.value : "unset");
    }
  }
}

TEST(LineReader, SplitsLinesAcrossBlocks) {
  // Tiny blocks force lines to straddle reads; the lines must come out whole.
  // A byte-order mark to skip goes only at the very start of the file.
  const std::string bom = "\xEF\xBB\xBF";
  const std::string text = "first\r\n\nsecond line\nx\n" + std::string(100, 'L') + "\nlast";
  const std::vector<std::string> textLines = {"first\r", "", "second line", "x", std::string(100, 'L'), "last"};
  const struct {
    const char* name;
    std::string input;
    bool skipMark;
    std::vector<std::string> lines;
  } cases[] = {
      {"lines", text, false, textLines},
      {"a mark kept when not skipped", bom + "x\n", false, {bom + "x"}},
      {"a mark skipped", bom + text, true, textLines},
      {"no mark to skip", text, true, textLines},
      {"a mark on a later line stays", "a\n" + bom + "b", true, {"a", bom + "b"}},
      {"a mark alone", bom, true, {}},
      {"a mark and a line feed", bom + "\n", true, {""}},
      {"a mark cut short", "\xEF\xBB\nx", true, {"\xEF\xBB", "x"}},
  };
  for (const auto& c : cases) {
    for (std::size_t block : {1u, 2u, 3u, 7u, 64u, 4096u}) {
      std::FILE* f = std::tmpfile();
      std::fwrite(c.input.data(), 1, c.input.size(), f);
      std::rewind(f);
      LineReader reader(f, block);
      if (c.skipMark) reader.skipByteOrderMark(Encoding::UTF8);
      std::vector<std::string> lines;
      LineBatch batch;
      while (reader.next(batch))
        for (std::string_view l : batch.lines) lines.emplace_back(l);
      std::fclose(f);
      EXPECT_EQ(lines, c.lines) << c.name << ", block " << block;
    }
  }
}

}  // namespace
}  // namespace vestrilo
