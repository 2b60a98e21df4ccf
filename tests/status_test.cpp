// The library's status values: what each failure of the file job, the files
// and the blocks reports, with the system's error number and the file's name.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "tests/TestSupport.h"
#include "vestrilo/vestrilo.h"

namespace vestrilo {
namespace {

// Each failure of the file job, with an old output in place: a run that fails
// leaves it as it was and nothing beside it.
TEST(Status, FileJobFailures) {
  test::TempDir dir;
  const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
  test::writeFile(in, "三点\n五点 和 六点\n100\n");
  const std::string missing = dir.file("missing.txt"), noDir = dir.file("no/out.txt");
  const std::string linked = dir.file("linked.txt");
  ASSERT_EQ(symlink("in.txt", linked.c_str()), 0);
  const std::string all = "三点 ||| three o'clock\n五点 ||| five o'clock\n六点 ||| six o'clock\n100 ||| 100\n";
  const struct {
    const char* name;
    std::string input, output;
    std::size_t maxLine;
    StatusCode code;
    int systemError;
    std::string fileName;
    std::string message;
    std::string written;  // the output file afterwards
  } cases[] = {
      {"a good run", in, out, kMaxLineBytes, StatusCode::Ok, 0, "", "", all},
      {"no input", missing, out, kMaxLineBytes, StatusCode::CannotOpenInput, ENOENT, missing,
       "unable to open input file", "old\n"},
      {"a directory as input", dir.path(), out, kMaxLineBytes, StatusCode::CannotReadInput, EISDIR, dir.path(),
       "unable to read input file", "old\n"},
      {"no directory for the output", in, noDir, kMaxLineBytes, StatusCode::CannotOpenOutput, ENOENT, noDir,
       "unable to open output file", "old\n"},
      {"a directory as output", in, dir.path(), kMaxLineBytes, StatusCode::CannotOpenOutput, EISDIR, dir.path(),
       "unable to open output file", "old\n"},
      {"a full device", in, "/dev/full", kMaxLineBytes, StatusCode::CannotWriteOutput, ENOSPC, "/dev/full",
       "unable to write output file", "old\n"},
      {"the output is the input", in, in, kMaxLineBytes, StatusCode::OutputIsInput, 0, in,
       "output file is the input file", "old\n"},
      {"the output links to the input", in, linked, kMaxLineBytes, StatusCode::OutputIsInput, 0, linked,
       "output file is the input file", "old\n"},
      // The long line is named; nothing is written.
      {"a line too long", in, out, 8, StatusCode::LineTooLong, 0, in, "line 2 is longer than 8 bytes", "old\n"},
      {"every line fits", in, out, 12, StatusCode::Ok, 0, "", "", all},
      {"no line may be read", in, out, 0, StatusCode::InvalidArgument, 0, "", "", "old\n"},
      {"a limit past the largest", in, out, kMaxLineBytes + 1, StatusCode::InvalidArgument, 0, "", "", "old\n"},
  };
  for (const auto& c : cases) {
    for (unsigned threads : {1u, 3u}) {
      test::writeFile(out, "old\n");
      FileJob job;
      job.direction = Direction::ChineseToEnglish;
      job.options.encoding = Encoding::GBK;
      job.input = c.input;
      job.output = c.output;
      job.threads = threads;
      job.maxLineBytes = c.maxLine;
      const Status s = extractFile(job);
      EXPECT_EQ(s.code(), c.code) << c.name;
      EXPECT_EQ(s.systemError(), c.systemError) << c.name;
      EXPECT_EQ(s.fileName(), c.fileName) << c.name;
      if (!c.message.empty()) {
        EXPECT_EQ(s.message(), c.message) << c.name;
      }
      EXPECT_EQ(s.ok(), c.code == StatusCode::Ok) << c.name;
      EXPECT_EQ(test::readFile(out), c.written) << c.name;
      EXPECT_EQ(test::readFile(in), "三点\n五点 和 六点\n100\n") << c.name;
      EXPECT_EQ(test::listDirectory(dir.path()), (std::vector<std::string>{"in.txt", "linked.txt", "out.txt"}))
          << c.name << ": nothing left beside the output";
    }
  }
}

TEST(Status, TextNamesTheFileAndTheSystemsError) {
  EXPECT_EQ(Status().toString(), "");
  EXPECT_EQ(Status(StatusCode::CannotOpenInput, "unable to open input file", ENOENT, "in.txt").toString(),
            "unable to open input file: in.txt: No such file or directory");
  EXPECT_EQ(Status(StatusCode::LineTooLong, "line 2 is longer than 8 bytes", 0, "in.txt").toString(),
            "line 2 is longer than 8 bytes: in.txt");
}

// A long line is found wherever it lies: inside a batch, across the reads of
// one, at the end of the file without a line feed. The lines before it are
// given; a UTF-8 byte-order mark does not count towards the first line.
TEST(Status, InputFileStopsAtTheFirstLineTooLong) {
  test::TempDir dir;
  const std::string big(3 << 20, 'x');
  const struct {
    const char* name;
    std::string text;
    std::size_t maxLine;
    Encoding encoding;
    std::size_t linesGiven;
    std::string status;  // "" for Ok
  } cases[] = {
      {"short lines", "ab\ncd\n", 2, Encoding::GBK, 2, ""},
      {"a CR counts", "ab\r\ncd\n", 2, Encoding::GBK, 0, "line 1 is longer than 2 bytes"},
      {"the second line", "ab\nabc\nab\n", 2, Encoding::GBK, 1, "line 2 is longer than 2 bytes"},
      {"the last line, without a line feed", "ab\nab\nabc", 2, Encoding::GBK, 2, "line 3 is longer than 2 bytes"},
      {"a mark before the first line", "\xEF\xBB\xBF" "ab\n", 2, Encoding::UTF8, 1, ""},
      {"a mark is no mark in GBK", "\xEF\xBB\xBF" "ab\n", 2, Encoding::GBK, 0, "line 1 is longer than 2 bytes"},
      {"a line over several reads", "a\n" + big + "\nb\n", std::size_t(1) << 20, Encoding::GBK, 1,
       "line 2 is longer than 1048576 bytes"},
      {"a line over several reads, not ended", "a\nb\n" + big, std::size_t(2) << 20, Encoding::GBK, 2,
       "line 3 is longer than 2097152 bytes"},
      {"a long line that fits", "a\n" + big + "\nb", std::size_t(3) << 20, Encoding::GBK, 3, ""},
  };
  for (const auto& c : cases) {
    test::writeFile(dir.file("in.txt"), c.text);
    InputFile file;
    ASSERT_TRUE(file.open(dir.file("in.txt"), c.encoding, c.maxLine).ok()) << c.name;
    LineBatch batch;
    std::size_t lines = 0;
    while (file.next(batch)) lines += batch.lines.size();
    EXPECT_EQ(lines, c.linesGiven) << c.name;
    EXPECT_EQ(file.linesRead(), c.linesGiven) << c.name;
    EXPECT_EQ(file.status().message(), c.status) << c.name;
    EXPECT_EQ(file.status().code(), c.status.empty() ? StatusCode::Ok : StatusCode::LineTooLong) << c.name;
    EXPECT_FALSE(file.next(batch)) << c.name << ": nothing after the end";
  }
}

TEST(Status, OutputFileKeepsItsFirstFailure) {
  OutputFile file;
  ASSERT_TRUE(file.open("/dev/full").ok());
  Status s = file.write(std::string(2 << 20, 'x'));  // more than the buffer: written now
  EXPECT_EQ(s.code(), StatusCode::CannotWriteOutput);
  EXPECT_EQ(s.systemError(), ENOSPC);
  EXPECT_EQ(file.write("y").code(), StatusCode::CannotWriteOutput);
  EXPECT_EQ(file.close().code(), StatusCode::CannotWriteOutput);

  test::TempDir dir;
  OutputFile good;
  ASSERT_TRUE(good.open(dir.file("out.txt")).ok());
  ASSERT_TRUE(good.write("a\n").ok());
  ASSERT_TRUE(good.close().ok());
  EXPECT_EQ(test::readFile(dir.file("out.txt")), "a\n");
  EXPECT_EQ(good.write("b").code(), StatusCode::CannotWriteOutput) << "a closed file takes nothing";
}

TEST(Status, BlocksSkipAByteOrderMarkAtTheStartOfTheInputOnly) {
  const Extractor extractor(Direction::ChineseToEnglish, Options{Encoding::GBK});
  std::string block;
  EXPECT_TRUE(reduceBlock(extractor, "三点\n", false, block).ok());
  // The byte-order mark of UTF-8 input is skipped at the start of the input only.
  const Extractor utf8(Direction::EnglishToChinese, Options{Encoding::UTF8});
  for (bool start : {true, false}) {
    std::string bytes;
    ASSERT_TRUE(reduceBlock(utf8, "\xEF\xBB\xBF" "5\n", start, bytes).ok());
    Registry registry;
    std::string lines;
    ASSERT_TRUE(registry.admitBlock(bytes, lines).ok());
    EXPECT_EQ(lines, start ? "5 ||| 5\n" : "") << start;
  }
}

}  // namespace
}  // namespace vestrilo
