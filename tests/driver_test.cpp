#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/LineReader.h"
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
  struct Case {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{}, kCountError},
      {{"-C2E", in}, kCountError},
      {{"-C2E", in, out, "extra"}, kCountError},
      {{"-x", in}, kCountError},  // the count is checked before the direction
      {{"-c2e", in, out}, kDirectionError},
      {{"C2E", in, out}, kDirectionError},
      {{"-E2C ", in, out}, kDirectionError},
  };
  for (const Case& c : cases) {
    const test::RunResult r = test::runVestrilo(c.args);
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

TEST(Driver, TestableEntryPointWritesTheSameConsoleText) {
  TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  writeFile(in, "x\ny\n");
  std::FILE* console = std::tmpfile();
  std::FILE* errors = std::tmpfile();
  const char* argv[] = {"vestrilo", "-E2C", in.c_str(), out.c_str()};
  EXPECT_EQ(runVestrilo(4, argv, console, errors), 0);
  std::rewind(console);
  std::string text(4096, '\0');
  text.resize(std::fread(text.data(), 1, text.size(), console));
  EXPECT_EQ(text, kBanner + progress(2) + kDone);
  std::fclose(console);
  std::fclose(errors);
}

TEST(LineReader, SplitsLinesAcrossBlocks) {
  // Tiny blocks force lines to straddle reads; the lines must come out whole.
  const std::string input = "first\r\n\nsecond line\nx\n" + std::string(100, 'L') + "\nlast";
  for (std::size_t block : {1u, 2u, 3u, 7u, 64u, 4096u}) {
    std::FILE* f = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), f);
    std::rewind(f);
    LineReader reader(f, block);
    std::vector<std::string> lines;
    LineBatch batch;
    while (reader.next(batch))
      for (std::string_view l : batch.lines) lines.emplace_back(l);
    std::fclose(f);
    EXPECT_EQ(lines, (std::vector<std::string>{"first\r", "", "second line", "x", std::string(100, 'L'), "last"}))
        << "block " << block;
  }
}

}  // namespace
}  // namespace vestrilo
